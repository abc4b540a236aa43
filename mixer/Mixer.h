#pragma once
// One opened mixer device with its playback and recording destination lines,
// and the operations the sound commands and the settings need. No operation
// throws or reports an error: what is missing makes the operation do nothing.
//
// Line records point at their mixer and become useless (never dangerous)
// when it opens another device: take new ones after every Open.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "mixer/MixerApi.h"

namespace qv {

class TMixer;

struct TMixerLineRec {
  TMixer* Owner = nullptr;  // null: no line, every operation on it does nothing
  TMixerLine Line;
  std::optional<uint32_t> VolumeControl;
  std::optional<uint32_t> MuteControl;

  explicit operator bool() const { return Owner != nullptr; }
};

// New value of a control from its old value and an argument.
using TValueFunction = uint32_t (*)(uint32_t value, int64_t argument);

uint32_t SetValue(uint32_t value, int64_t argument);
uint32_t ToggleMute(uint32_t value, int64_t argument);
// argument: percentage points, positive or negative.
uint32_t StepVolumePercent(uint32_t value, int64_t argument);
uint32_t ToggleLevel(uint32_t value, int64_t argument);
// 0..100 percent (anything else is taken as the nearer end) to 0..65535.
uint32_t PercentToRaw(int64_t percent);

class TMixer {
 public:
  // A new mixer has no device open.
  explicit TMixer(MixerApi& api = NoMixerApi());
  ~TMixer();
  TMixer(const TMixer&) = delete;
  TMixer& operator=(const TMixer&) = delete;

  // The platform mixer this one opens its devices on.
  MixerApi& Api() const { return *api_; }
  int DeviceCount() const;
  // Empty outside 0 .. DeviceCount() - 1.
  std::u16string DeviceName(int index) const;
  // Closes the open device, then opens device `index`; -1 (or a failure) leaves none open.
  void Open(int index);
  // The first device named exactly so; when none is, the open device stays.
  void OpenByName(const std::u16string& name);

  TMixerLineRec GetSourceLine(const TMixerLineRec& destination, uint32_t source);
  // The lowest source index whose long name matches exactly.
  TMixerLineRec FindSourceLineByName(const TMixerLineRec& destination, const std::u16string& name);
  TMixerLineRec FindSourceLineByType(const TMixerLineRec& destination, uint32_t componentType);

  bool IsOpen() const { return device_ != nullptr; }
  int DeviceIndex() const { return deviceIndex_; }
  const std::u16string& Name() const { return deviceName_; }
  uint32_t DestinationCount() const { return destinationCount_; }
  const TMixerLineRec& PlaybackDestination() const { return playback_; }
  const TMixerLineRec& RecordingDestination() const { return recording_; }

 private:
  friend void ModifyVolume(const TMixerLineRec&, TValueFunction, int64_t);
  friend void ModifyMute(const TMixerLineRec&, TValueFunction, int64_t);

  TMixerLineRec Complete(const std::optional<TMixerLine>& line);
  template <class Match>
  TMixerLineRec FindSourceLine(const TMixerLineRec& destination, Match match);
  void Modify(std::optional<uint32_t> control, TValueFunction function, int64_t argument, uint32_t mask);

  MixerApi* api_;
  std::unique_ptr<MixerDevice> device_;
  int deviceIndex_ = -1;
  std::u16string deviceName_;
  uint32_t destinationCount_ = 0;
  TMixerLineRec recording_;
  TMixerLineRec playback_;
};

void ModifyVolume(const TMixerLineRec& line, TValueFunction function, int64_t argument);
void ModifyMute(const TMixerLineRec& line, TValueFunction function, int64_t argument);
void SetVolume(const TMixerLineRec& line, uint32_t value);

}  // namespace qv
