#pragma once
// A sound mixer without hardware: devices, lines and control values are
// plain data that a test builds and inspects. Line and control ids are
// derived from where a line sits, so they stay stable while a test edits values.
#include <optional>
#include <string>
#include <vector>

#include "mixer/MixerApi.h"

namespace qv::sim {

struct TFakeLine {
  uint32_t ComponentType = 0;
  std::u16string Name;
  uint32_t TargetType = 0;
  std::optional<uint32_t> Volume;  // absent: the line has no volume control
  std::optional<uint32_t> Mute;
  std::vector<TFakeLine> Sources;  // only on destinations
  bool Unreadable = false;         // a source the device lists but cannot describe
};

struct TFakeDevice {
  std::u16string Name;
  std::vector<TFakeLine> Destinations;
  bool Opens = true;
};

class FakeMixerApi final : public MixerApi {
 public:
  int DeviceCount() override;
  std::optional<TMixerCaps> Caps(int index) override;
  std::unique_ptr<MixerDevice> Open(int index) override;

  // Speakers with volume and mute; a wave-in destination with a line input
  // and a microphone, both with a volume.
  static TFakeDevice SoundCard(const std::u16string& name);

  std::vector<TFakeDevice> Devices;
  bool FailReads = false;
  int OpenDevices = 0;
};

}  // namespace qv::sim
