#include "ui/dialogs/Compatibility.h"

#include <algorithm>
#include <array>

#include "engine/Profile.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

void TCompatibility::Load() {
  ShiftDelay = ShiftPause;
  PressDelay = TapPause;
}

void TCompatibility::Store() const {
  ShiftPause = std::clamp(ShiftDelay, MinPause, MaxPause);
  TapPause = std::clamp(PressDelay, MinPause, MaxPause);
  MarkModified();
}

std::span<const TControlText> CompatibilityTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"lbShiftDelay", lang::Kind::Label, IDC_LB_SHIFT_DELAY},
      {"lbPressDelay", lang::Kind::Label, IDC_LB_PRESS_DELAY},
      {"hintShiftDelay", lang::Kind::SpeedButton, IDC_SPIN_SHIFT_DELAY},
      {"hintPressDelay", lang::Kind::SpeedButton, IDC_SPIN_PRESS_DELAY},
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
