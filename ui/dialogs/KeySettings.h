#pragma once
// The key windows' rules: fmHatPosSettings edits one key block,
// fmButtonSettings one button's block with its park state, and fmPosSettings
// one axis position's block with its notch number and gate hold. OK writes
// the park state or the number and hold, then the frames' copies, then marks the profile modified;
// Cancel writes nothing.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/KeyAction.h"
#include "engine/Profile.h"
#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/PressKeyFrame.h"

namespace qv::ui::dialogs {

class TKeySettings {
 public:
  // A hat direction's block, or a button's with its park state.
  void Load(TKeyEvents& events);
  void Load(TProfileButton& button);
  void Load(TAxisPosition& position);
  void Store();

  static constexpr int32_t MinUserIndex = -999, MaxUserIndex = 999;
  static constexpr int32_t GateHoldMax = 3000;  // ms

  TButtonFrame Keys;
  int ParkPos = -1;  // the list's index; -1 without a park state
  int32_t UserIndex = 0;
  int32_t GateHold = 0;

 private:
  TKeyEvents* events_ = nullptr;
  TProfileButton* button_ = nullptr;
  TAxisPosition* position_ = nullptr;
};

std::span<const TControlText> HatPosSettingsTexts();
std::span<const TControlText> ButtonSettingsTexts();
std::span<const TControlText> PosSettingsTexts();

// A key window has frKeys with frPress, frHold and frRelease, in part order,
// under its other controls.
constexpr std::array<std::string_view, 3> KeyFrameNames = {"frPress", "frHold", "frRelease"};
void DescribeKeyFrames(lang::TComponent& form);

}  // namespace qv::ui::dialogs
