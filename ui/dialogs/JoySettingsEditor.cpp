#include "ui/dialogs/JoySettingsEditor.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "base/Utf.h"
#include "engine/Tracker.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {
namespace {

std::u16string Decimal(int64_t value) { return FromUtf8(std::to_string(value)); }

// Blanks and control characters both: a name pasted with a tab or a line
// break would otherwise break the settings file's line.
std::u16string Trimmed(const std::u16string& text) {
  const auto kept = [](char16_t c) { return c > u' ' && c != 0x7F; };
  const auto first = std::find_if(text.begin(), text.end(), kept);
  const auto last = std::find_if(text.rbegin(), text.rend(), kept).base();
  return first < last ? std::u16string(first, last) : std::u16string();
}

}  // namespace

std::u16string TJoySettingsEditor::AxisEntry(const TJoyControlData& axis) {
  return Decimal(axis.Index) + u": " + axis.Name;
}

void TJoySettingsEditor::Open(const TJoySettings& settings, std::span<const TJoyControlData> axes) {
  copy_ = settings;
  axes_ = axes;
  Noise = settings.Noise;
  current_ = nullptr;
  if (axes_.empty()) return;
  chosen_ = std::clamp<int32_t>(chosen_, 0, int32_t(axes_.size()) - 1);
  Select();
}

void TJoySettingsEditor::Choose(int32_t listPosition) {
  if (current_ == nullptr || listPosition < 0 || listPosition >= int32_t(axes_.size())) return;
  Store();
  chosen_ = listPosition;
  Select();
}

void TJoySettingsEditor::Select() {
  const int32_t index = axes_[size_t(chosen_)].Index;
  // The device layer keeps indexes below the table's size; an odd one shows nothing.
  current_ = index >= 0 && index < MaxAxes ? &copy_.Axes[size_t(index)] : nullptr;
  if (current_ == nullptr) return;
  TAxisSettings& a = *current_;
  Shown.Page = a.Type <= atAnalog ? int32_t(a.Type) : int32_t(atUnused);
  if (a.Type == atMultipos) {
    Shown.Reverse = a.Reverse;
    Shown.HangPos = a.HangPos <= hpMax ? int32_t(a.HangPos) : int32_t(hpNone);
  } else {
    // Rest values mean nothing to an unused or analog axis: dropped.
    a.Count = 0;
  }
  if (a.Type == atAnalog) {
    Shown.Neutral = std::clamp(a.Neutral, 0, NeutralMax);
    Shown.Threshold = std::clamp(a.Threshold, 0, ThresholdMax);
  }
  Shown.Name = a.Name;
}

void TJoySettingsEditor::Store() {
  if (current_ == nullptr) return;
  TAxisSettings& a = *current_;
  a.Type = uint8_t(std::clamp<int32_t>(Shown.Page, atUnused, atAnalog));
  a.Name = Trimmed(Shown.Name);
  if (a.Type == atMultipos) {
    a.Reverse = Shown.Reverse;
    a.HangPos = uint8_t(std::clamp<int32_t>(Shown.HangPos, hpNone, hpMax));
  } else if (a.Type == atAnalog) {
    a.Neutral = Shown.Neutral;
    a.Threshold = Shown.Threshold;
  }
}

int32_t TJoySettingsEditor::Count() const {
  return current_ == nullptr ? 0 : std::clamp(current_->Count, 0, MaxPositions);
}

std::u16string TJoySettingsEditor::Line(int32_t line) const {
  if (line < 0 || line >= Count()) return {};
  return Decimal(current_->Value[size_t(line)]);
}

TJoySettingsEditor::TTake TJoySettingsEditor::Take(int32_t live, int32_t noise) {
  const int32_t count = Count();
  if (current_ == nullptr) return {};
  if (count >= MaxPositions) return {.Full = true};
  auto& values = current_->Value;
  const int32_t margin = NoiseMargin(std::clamp(noise, NoiseMin, NoiseMax));
  for (int32_t i = 0; i < count; ++i) {
    if (std::abs(int64_t(values[size_t(i)]) - live) <= margin) return {.Line = i};
  }
  const auto end = values.begin() + count;
  const auto at = std::find_if(values.begin(), end, [&](int32_t v) { return v >= live; });
  std::copy_backward(at, end, end + 1);
  *at = live;
  current_->Count = count + 1;
  return {.Line = int32_t(at - values.begin())};
}

void TJoySettingsEditor::Delete(int32_t line) {
  const int32_t count = Count();
  if (line < 0 || line >= count) return;
  auto& values = current_->Value;
  std::copy(values.begin() + line + 1, values.begin() + count, values.begin() + line);
  current_->Count = count - 1;
}

void TJoySettingsEditor::DeleteAll() {
  if (current_ != nullptr) current_->Count = 0;
}

void TJoySettingsEditor::Confirm(TJoySettings& settings, int32_t noise) {
  Store();
  if (current_ != nullptr) settings = copy_;
  settings.Noise = std::clamp(noise, NoiseMin, NoiseMax);
}

std::span<const TControlText> JoySettingsTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"grpAxes", lang::Kind::GroupBox, IDC_GRP_AXES},
      {"lbName", lang::Kind::Label, IDC_LB_NAME},
      {"lbNoise", lang::Kind::Label, IDC_LB_NOISE},
      {"hintAxes", lang::Kind::SpeedButton, IDC_COMBO_AXES},
      {"hintName", lang::Kind::SpeedButton, IDC_ED_NAME},
      {"hintNoise", lang::Kind::SpeedButton, IDC_SPIN_NOISE},
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

std::span<const TControlText> AxisPageTexts(int32_t page) {
  static constexpr auto multipos = std::to_array<TControlText>({
      {"btTakeSwitch", lang::Kind::Button, IDC_BT_TAKE_SWITCH},
      {"btDelete", lang::Kind::Button, IDC_BT_DELETE},
      {"btDeleteAll", lang::Kind::Button, IDC_BT_DELETE_ALL},
      {"chkZeroFromEnd", lang::Kind::CheckBox, IDC_CHK_ZERO_FROM_END},
      {"lbHangPos", lang::Kind::Label, IDC_LB_HANG_POS},
      {"comboHangPos", lang::Kind::ComboBox, IDC_COMBO_HANG_POS, 3},
      {"hintHangPos", lang::Kind::SpeedButton, IDC_COMBO_HANG_POS},
  });
  static constexpr auto analog = std::to_array<TControlText>({
      {"lbNeutral", lang::Kind::Label, IDC_LB_NEUTRAL},
      {"btMin", lang::Kind::Button, IDC_BT_MIN},
      {"btCen", lang::Kind::Button, IDC_BT_CEN},
      {"btMax", lang::Kind::Button, IDC_BT_MAX},
      {"btTakeCont", lang::Kind::Button, IDC_BT_TAKE_CONT},
      {"lbThreshold", lang::Kind::Label, IDC_LB_THRESHOLD},
      {"hintNeutral", lang::Kind::SpeedButton, IDC_SPIN_NEUTRAL},
      {"hintThreshold", lang::Kind::SpeedButton, IDC_SPIN_THRESHOLD},
  });
  switch (page) {
    case atMultipos:
      return multipos;
    case atAnalog:
      return analog;
    default:
      return {};
  }
}

void DescribeAxisPages(lang::TComponent& form) {
  for (size_t page = 0; page < AxisPageNames.size(); ++page)
    DescribePart(form, AxisPageNames[page], lang::Kind::TabSheet, AxisPageTexts(int32_t(page)));
}

}  // namespace qv::ui::dialogs
