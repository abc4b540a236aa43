#include "ui/dialogs/win32/f_Compatibility.h"

#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TfmCompatibility::TfmCompatibility()
    : TModalDialog(IDD_COMPATIBILITY, "fmCompatibility", CompatibilityTexts()) {}

void TfmCompatibility::Execute(HWND owner) {
  TPollingGuard polling(ui::ReportError);
  logic_.Load();
  if (Run(owner)) logic_.Store();
  polling.Restart();
}

void TfmCompatibility::OnInit() {
  // Ten milliseconds a click: a pause is felt in tens, typed when exact.
  shiftDelay_.Attach(Handle(), IDC_SPIN_SHIFT_DELAY, IDC_UD_SHIFT_DELAY, TCompatibility::MinPause,
                     TCompatibility::MaxPause, 10);
  pressDelay_.Attach(Handle(), IDC_SPIN_PRESS_DELAY, IDC_UD_PRESS_DELAY, TCompatibility::MinPause,
                     TCompatibility::MaxPause, 10);
  shiftDelay_.SetValue(logic_.ShiftDelay);
  pressDelay_.SetValue(logic_.PressDelay);
}

void TfmCompatibility::OnOk() {
  logic_.ShiftDelay = shiftDelay_.Value();
  logic_.PressDelay = pressDelay_.Value();
}

}  // namespace qv::ui::dialogs::win32
