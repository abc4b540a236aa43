#pragma once
// fmProgSettings' rules: the sound devices, the recording line and level and
// the joystick binding, shown from the engine's mixers and written back on
// OK in a fixed order. The lists hold device and line names so that a list
// position is the mixer device index or the line's source index.
//
// One object per opening of the window: it owns the temporary mixer that
// lists the lines of the recording device shown, freed with it.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "mixer/Mixer.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::input {
class TJoystick;
}

namespace qv::ui::dialogs {

class TProgSettings {
 public:
  static constexpr int32_t MinLevel = 1;
  static constexpr int32_t MaxLevel = 100;

  // Loads the lists and choices from the engine's mixers, recording line and
  // level, and the joystick's binding.
  explicit TProgSettings(const input::TJoystick& joystick);
  TProgSettings(const TProgSettings&) = delete;
  TProgSettings& operator=(const TProgSettings&) = delete;

  // The recording device list's choice changed (-1: none): its lines anew.
  void ChooseRecordingDevice(int index);
  // OK: playback mixer, recording mixer, recording line, level (bounded to
  // the window's range), binding.
  void Store(input::TJoystick& joystick) const;

  std::vector<std::u16string> Devices;  // the same list for playback and recording
  int PlayDevice = -1;
  int RecDevice = -1;
  std::vector<std::u16string> Lines;  // of RecDevice; an unreadable line is an empty item
  int Line = -1;
  int32_t Level = 0;
  std::u16string Binding;

 private:
  TMixer temporary_;
};

// The binding list: an empty item (the first controller found), then the
// controllers found at start-up, in their order.
std::vector<std::u16string> BindingItems(std::span<const std::u16string> controllers);

std::span<const TControlText> ProgSettingsTexts();

}  // namespace qv::ui::dialogs
