#include "ui/dialogs/win32/f_ButtonSettings.h"

#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {

TfmButtonSettings::TfmButtonSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TKeyWindow(IDD_BUTTON_SETTINGS, "fmButtonSettings", ButtonSettingsTexts(), askKey, sysCmd) {}

void TfmButtonSettings::Execute(HWND owner, TProfileButton& button) {
  Open(owner, [&] { logic_.Load(button); });
}

void TfmButtonSettings::OnInit() {
  TKeyWindow::OnInit();
  Select(Item(IDC_COMBO_INITIAL_POS), logic_.ParkPos);
}

void TfmButtonSettings::OnOk() { logic_.ParkPos = Selection(Item(IDC_COMBO_INITIAL_POS)); }

}  // namespace qv::ui::dialogs::win32
