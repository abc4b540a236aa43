#include "ui/dialogs/win32/f_AnalogPage.h"

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs::win32 {

TfrAnalogPage::TfrAnalogPage(TJoySettingsEditor& logic, std::function<int32_t()> live)
    : TChildDialog(IDD_PAGE_ANALOG, AxisPageTexts(atAnalog)), logic_(logic), live_(std::move(live)) {}

void TfrAnalogPage::OnInit() {
  using E = TJoySettingsEditor;
  neutral_.Attach(Handle(), IDC_SPIN_NEUTRAL, IDC_UD_NEUTRAL, 0, E::NeutralMax, E::NeutralStep);
  threshold_.Attach(Handle(), IDC_SPIN_THRESHOLD, IDC_UD_THRESHOLD, 0, E::ThresholdMax,
                    E::ThresholdMouseStep);
}

void TfrAnalogPage::Show() {
  neutral_.SetValue(logic_.Shown.Neutral);
  threshold_.SetValue(logic_.Shown.Threshold);
}

void TfrAnalogPage::Take() {
  logic_.Shown.Neutral = neutral_.Value();
  logic_.Shown.Threshold = threshold_.Value();
}

void TfrAnalogPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_BT_MIN:
      neutral_.SetValue(0);
      break;
    case IDC_BT_CEN:
      neutral_.SetValue(TJoySettingsEditor::NeutralCentre);
      break;
    case IDC_BT_MAX:
      neutral_.SetValue(TJoySettingsEditor::NeutralMax);
      break;
    case IDC_BT_TAKE_CONT:
      neutral_.SetValue(live_());
      break;
    default:
      break;
  }
}

}  // namespace qv::ui::dialogs::win32
