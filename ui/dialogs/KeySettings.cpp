#include "ui/dialogs/KeySettings.h"

#include <algorithm>
#include <array>

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

void TKeySettings::Load(TKeyEvents& events) {
  events_ = &events;
  button_ = nullptr;
  position_ = nullptr;
  ParkPos = -1;
  Keys.Load(events);
}

void TKeySettings::Load(TProfileButton& button) {
  Load(button.Events);
  button_ = &button;
  ParkPos = button.ParkPos;
}

void TKeySettings::Load(TAxisPosition& position) {
  Load(position.Events);
  position_ = &position;
  UserIndex = position.UserIndex;
  GateHold = std::clamp(position.GateHold, 0, GateHoldMax);
}

void TKeySettings::Store() {
  if (button_ != nullptr && ParkPos >= ppNone && ParkPos <= ppPress) button_->ParkPos = uint8_t(ParkPos);
  if (position_ != nullptr) {
    position_->UserIndex = std::clamp(UserIndex, MinUserIndex, MaxUserIndex);
    position_->GateHold = std::clamp(GateHold, 0, GateHoldMax);
  }
  Keys.Store(*events_);
  MarkModified();
}

// fmButtonSettings is fmHatPosSettings with the park state below.
constexpr auto keyWindowTexts = std::to_array<TControlText>({
    {"grpAssignments", lang::Kind::GroupBox, IDC_GRP_ASSIGNMENTS},
    {"lbPress", lang::Kind::Label, IDC_LB_PRESS},
    {"lbHold", lang::Kind::Label, IDC_LB_HOLD},
    {"lbRelease", lang::Kind::Label, IDC_LB_RELEASE},
    {"btOk", lang::Kind::Button, IDC_BT_OK},
    {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
});
constexpr auto posIndexTexts = std::to_array<TControlText>({
    {"lbPosIndex", lang::Kind::Label, IDC_LB_POS_INDEX},
    {"lbGateHold", lang::Kind::Label, IDC_LB_GATE_HOLD},
    {"hintPosIndex", lang::Kind::SpeedButton, IDC_SPIN_INDEX},
    {"hintGateHold", lang::Kind::SpeedButton, IDC_SPIN_GATE_HOLD},
});
constexpr auto parkTexts = std::to_array<TControlText>({
    {"lbInitialPos", lang::Kind::Label, IDC_LB_INITIAL_POS},
    {"comboInitialPos", lang::Kind::ComboBox, IDC_COMBO_INITIAL_POS, 3},
    {"hintInitialPos", lang::Kind::SpeedButton, IDC_COMBO_INITIAL_POS},
});

std::span<const TControlText> HatPosSettingsTexts() { return keyWindowTexts; }

// A key window's texts followed by those of its own extra controls.
template <size_t N>
constexpr std::array<TControlText, keyWindowTexts.size() + N> WithKeyWindowTexts(
    const std::array<TControlText, N>& extra) {
  std::array<TControlText, keyWindowTexts.size() + N> all{};
  std::copy(keyWindowTexts.begin(), keyWindowTexts.end(), all.begin());
  std::copy(extra.begin(), extra.end(), all.begin() + keyWindowTexts.size());
  return all;
}

std::span<const TControlText> ButtonSettingsTexts() {
  static constexpr auto texts = WithKeyWindowTexts(parkTexts);
  return texts;
}

std::span<const TControlText> PosSettingsTexts() {
  static constexpr auto texts = WithKeyWindowTexts(posIndexTexts);
  return texts;
}

void DescribeKeyFrames(lang::TComponent& form) {
  DescribeFrames(DescribePart(form, "frKeys", lang::Kind::Other, {}), KeyFrameNames);
}

}  // namespace qv::ui::dialogs
