#include "ui/dialogs/AxisSettings.h"

#include <algorithm>
#include <array>

#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

void TAxisSettingsEditor::Load(TProfileAxis& axis, int32_t segmentCount) {
  axis_ = &axis;
  segmentCount_ = std::clamp(segmentCount, 0, MaxPositions);
  Up.Load(axis.Up);
  Down.Load(axis.Down);
  StepHold = std::clamp(axis.StepHold, 0, StepTimeMax);
  StepGap = std::clamp(axis.StepGap, 0, StepTimeMax);
  PosLimit = std::clamp(axis.PosLimit, 0, segmentCount_);
  InitialPos = std::clamp(axis.InitialPos, 0, segmentCount_);
  ResyncFirst = std::clamp(axis.ResyncFirst, 0, ResyncMax);
  ResyncLast = std::clamp(axis.ResyncLast, 0, ResyncMax);
  linked_ = axis.ResyncFirst == axis.ResyncLast;
  Reenumerate = false;
}

bool TAxisSettingsEditor::SetResyncFirst(int32_t value) {
  ResyncFirst = value;
  if (!linked_ || ResyncLast == value) return false;
  ResyncLast = value;
  return true;
}

bool TAxisSettingsEditor::SetResyncLast(int32_t value) {
  ResyncLast = value;
  if (!linked_ || ResyncFirst == value) return false;
  ResyncFirst = value;
  return true;
}

void TAxisSettingsEditor::SetLinked(bool down) {
  linked_ = down;
  if (down) ResyncLast = ResyncFirst;
}

void TAxisSettingsEditor::TakeMeasured(int32_t holdMs) {
  StepHold = StepGap = std::clamp(holdMs, 0, StepTimeMax);
}

void TAxisSettingsEditor::Store() {
  TProfileAxis& a = *axis_;
  a.Up = Up.Action;
  a.Down = Down.Action;
  a.StepHold = std::clamp(StepHold, 0, StepTimeMax);
  a.StepGap = std::clamp(StepGap, 0, StepTimeMax);
  a.PosLimit = std::clamp(PosLimit, 0, segmentCount_);
  a.ResyncFirst = std::clamp(ResyncFirst, 0, ResyncMax);
  a.ResyncLast = std::clamp(ResyncLast, 0, ResyncMax);
  a.InitialPos = std::clamp(InitialPos, 0, segmentCount_);
  // Every position, not only those in use: a lever given more notches later
  // finds them numbered too.
  if (Reenumerate) {
    for (int32_t p = 1; p <= MaxPositions; ++p) a.Position(p).UserIndex = p;
  }
  MarkModified();
}

std::span<const TControlText> AxisSettingsTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"grpKeys", lang::Kind::GroupBox, IDC_GRP_KEYS},
      {"lbUp", lang::Kind::Label, IDC_LB_UP},
      {"lbDown", lang::Kind::Label, IDC_LB_DOWN},
      {"lbStepHold", lang::Kind::Label, IDC_LB_STEP_HOLD},
      {"lbStepGap", lang::Kind::Label, IDC_LB_STEP_GAP},
      {"btMeasure", lang::Kind::Button, IDC_BT_MEASURE},
      {"grpPositions", lang::Kind::GroupBox, IDC_GRP_POSITIONS},
      {"lbPosCount", lang::Kind::Label, IDC_LB_POS_COUNT},
      {"lbInitialPos", lang::Kind::Label, IDC_LB_INITIAL_POS},
      {"grpAutoResync", lang::Kind::GroupBox, IDC_GRP_AUTO_RESYNC},
      {"lbResyncFirst", lang::Kind::Label, IDC_LB_RESYNC_FIRST},
      {"lbResyncLast", lang::Kind::Label, IDC_LB_RESYNC_LAST},
      {"btLinked", lang::Kind::Button, IDC_BT_LINKED},
      {"chkReenumerate", lang::Kind::CheckBox, IDC_CHK_REENUMERATE},
      {"hintPosLimit", lang::Kind::SpeedButton, IDC_SPIN_POS_LIMIT},
      {"hintInitialPos", lang::Kind::SpeedButton, IDC_SPIN_INITIAL_POS},
      {"hintResyncFirst", lang::Kind::SpeedButton, IDC_SPIN_RESYNC_FIRST},
      {"hintResyncLast", lang::Kind::SpeedButton, IDC_SPIN_RESYNC_LAST},
      {"hintStepHold", lang::Kind::SpeedButton, IDC_SPIN_STEP_HOLD},
      {"hintStepGap", lang::Kind::SpeedButton, IDC_SPIN_STEP_GAP},
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

void DescribeAxisFrames(lang::TComponent& form) { DescribeFrames(form, AxisFrameNames); }

}  // namespace qv::ui::dialogs
