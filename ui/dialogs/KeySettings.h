#pragma once
// The key windows' rules: fmHatPosSettings edits one key block,
// fmButtonSettings one button's block with its park state, and fmPosSettings
// one axis position's block with its notch number. OK writes the park state
// or the number, then the frames' copies, then marks the profile modified;
// Cancel writes nothing.
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

  TButtonFrame Keys;
  int ParkPos = -1;  // the list's index; -1 without a park state
  int32_t UserIndex = 0;

 private:
  TKeyEvents* events_ = nullptr;
  TProfileButton* button_ = nullptr;
  TAxisPosition* position_ = nullptr;
};

std::span<const TControlText> AskKeyTexts();
std::span<const TControlText> SysCmdTexts();
std::span<const TControlText> HatPosSettingsTexts();
std::span<const TControlText> ButtonSettingsTexts();
std::span<const TControlText> PosSettingsTexts();

// Key frames named frames under parent, each with its picture buttons and
// its repeat count: the walk translates their hints in the window's own
// section. A key window has
// frKeys with frPress, frHold and frRelease under its other controls.
void DescribeFrames(lang::TComponent& parent, std::span<const std::string_view> frames);
void DescribeKeyFrames(lang::TComponent& form);
// The hints of one key frame's picture buttons after the walk.
struct TFrameHints {
  std::u16string Tech;
  std::u16string Delete;
  std::u16string Repeat;
};
TFrameHints FrameHints(const lang::TComponent& parent, std::string_view frame);
TFrameHints KeyFrameHints(const lang::TComponent& form, TButtonFrame::TPart part);

}  // namespace qv::ui::dialogs
