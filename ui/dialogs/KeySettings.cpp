#include "ui/dialogs/KeySettings.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {
namespace {

constexpr std::array<std::string_view, 3> frameNames = {"frPress", "frHold", "frRelease"};

const lang::TComponent& Child(const lang::TComponent& parent, std::string_view name) {
  for (const auto& child : parent.owned) {
    if (child->name == name) return *child;
  }
  throw std::logic_error("no component " + std::string(name));
}

}  // namespace

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
}

void TKeySettings::Store() {
  if (button_ != nullptr && ParkPos >= ppNone && ParkPos <= ppPress) button_->ParkPos = uint8_t(ParkPos);
  if (position_ != nullptr) position_->UserIndex = std::clamp(UserIndex, MinUserIndex, MaxUserIndex);
  Keys.Store(*events_);
  MarkModified();
}

std::span<const TControlText> AskKeyTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"lbContent", lang::Kind::Label, IDC_LB_CONTENT},
      {"lbLeftKeys", lang::Kind::Label, IDC_LB_LEFT_KEYS},
      {"lbRightKeys", lang::Kind::Label, IDC_LB_RIGHT_KEYS},
  });
  return texts;
}

std::span<const TControlText> SysCmdTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
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
    {"hintPosIndex", lang::Kind::SpeedButton, IDC_SPIN_INDEX},
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

void DescribeFrames(lang::TComponent& parent, std::span<const std::string_view> frames) {
  for (std::string_view name : frames) {
    lang::TComponent& frame = parent.Add(std::string(name), lang::Kind::Other);
    for (const char* button : {"btTech", "btDelete", "hintRepeat"})
      frame.Add(button, lang::Kind::SpeedButton).showHint = true;
  }
}

void DescribeKeyFrames(lang::TComponent& form) {
  DescribeFrames(form.Add("frKeys", lang::Kind::Other), frameNames);
}

TFrameHints FrameHints(const lang::TComponent& parent, std::string_view frame) {
  const lang::TComponent& f = Child(parent, frame);
  return {Child(f, "btTech").hint, Child(f, "btDelete").hint, Child(f, "hintRepeat").hint};
}

TFrameHints KeyFrameHints(const lang::TComponent& form, TButtonFrame::TPart part) {
  return FrameHints(Child(form, "frKeys"), frameNames[size_t(part)]);
}

}  // namespace qv::ui::dialogs
