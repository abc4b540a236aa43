#pragma once
// What the mixer logic needs of the platform's sound mixer, and nothing more:
// devices by index, and on an open device its lines, their controls and one
// 32-bit value per control. Every operation reports failure instead of
// throwing; winmm implements it on Windows, a fake in sim/ everywhere else.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace qv {

// Component and target types, equal to the platform's own values.
constexpr uint32_t ComponentDstSpeakers = 4;
constexpr uint32_t ComponentDstWaveIn = 7;
constexpr uint32_t ComponentSrcLine = 0x1002;
constexpr uint32_t ComponentSrcMicrophone = 0x1003;
constexpr uint32_t TargetWaveOut = 1;
constexpr uint32_t TargetWaveIn = 2;
constexpr uint32_t ControlTypeVolume = 0x50030001;
constexpr uint32_t ControlTypeMute = 0x20010002;

struct TMixerCaps {
  std::u16string Name;
  uint32_t Destinations = 0;
};

// One line as the platform describes it.
struct TMixerLine {
  uint32_t Destination = 0;
  uint32_t Source = 0;
  uint32_t LineId = 0;
  uint32_t ComponentType = 0;
  uint32_t Connections = 0;  // for a destination: its number of source lines
  std::u16string ShortName;
  std::u16string Name;
  uint32_t TargetType = 0;
};

// An open device; destroying it closes the device.
class MixerDevice {
 public:
  virtual ~MixerDevice() = default;
  virtual std::optional<TMixerLine> LineByComponentType(uint32_t componentType) = 0;
  virtual std::optional<TMixerLine> LineByDestination(uint32_t destination) = 0;
  virtual std::optional<TMixerLine> LineBySource(uint32_t destination, uint32_t source) = 0;
  virtual std::optional<uint32_t> ControlId(uint32_t lineId, uint32_t controlType) = 0;
  // One channel: all channels are read and written as one value.
  virtual std::optional<uint32_t> ReadValue(uint32_t controlId) = 0;
  virtual bool WriteValue(uint32_t controlId, uint32_t value) = 0;
};

class MixerApi {
 public:
  virtual ~MixerApi() = default;
  virtual int DeviceCount() = 0;
  virtual std::optional<TMixerCaps> Caps(int index) = 0;
  // Null when the device cannot be opened.
  virtual std::unique_ptr<MixerDevice> Open(int index) = 0;
};

// A system without any mixer device: what a mixer uses until a real one is given.
MixerApi& NoMixerApi();

}  // namespace qv
