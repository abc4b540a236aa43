#pragma once
// fmAxisSettings' rules: one profile axis's step keys with their tap hold and
// gap, position limit, initial position and resync taps as working copies, the link that keeps
// the two resync counts equal, and what OK writes, in that order.
// fmPosSettings' extra field, a position's notch number, is with the key
// windows' rules (TKeySettings).
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/Profile.h"
#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/PressKeyFrame.h"

namespace qv::ui::dialogs {

class TAxisSettingsEditor {
 public:
  static constexpr int32_t ResyncMax = 999;
  // Tap hold and gap, ms.
  static constexpr int32_t StepTimeMax = 2000;

  // segmentCount: what the axis's tracker cuts it into, the most that the
  // position limit and the initial position can name.
  void Load(TProfileAxis& axis, int32_t segmentCount);
  int32_t SegmentCount() const { return segmentCount_; }

  // A change of either resync count; with the link down the other follows
  // when it differs. True when the other changed, which the window shows:
  // showing it is a change again, and the check ends the echo.
  bool SetResyncFirst(int32_t value);
  bool SetResyncLast(int32_t value);
  // The link clicked down copies the first into the last; up changes nothing.
  void SetLinked(bool down);
  bool Linked() const { return linked_; }

  // A measured hold goes into both fields, as the measuring wizard advises:
  // a gap as long as the hold keeps two taps apart for the same simulator.
  void TakeMeasured(int32_t holdMs);

  // OK: keys with their hold and gap, then limit, resync and initial position, then the renumbering,
  // then the profile marked modified.
  void Store();

  TPressKeyFrame Up, Down;
  int32_t StepHold = 0;
  int32_t StepGap = 0;
  int32_t PosLimit = 0;
  int32_t InitialPos = 0;
  int32_t ResyncFirst = 0;
  int32_t ResyncLast = 0;
  bool Reenumerate = false;

 private:
  TProfileAxis* axis_ = nullptr;
  int32_t segmentCount_ = 0;
  bool linked_ = false;
};

std::span<const TControlText> AxisSettingsTexts();
// The step keys' frames, frUp and frDown, under the window's other controls.
constexpr std::array<std::string_view, 2> AxisFrameNames = {"frUp", "frDown"};
void DescribeAxisFrames(lang::TComponent& form);

}  // namespace qv::ui::dialogs
