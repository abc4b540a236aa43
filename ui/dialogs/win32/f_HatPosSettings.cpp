#include "ui/dialogs/win32/f_HatPosSettings.h"

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs::win32 {

TfmHatPosSettings::TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TKeyWindow(IDD_HAT_POS_SETTINGS, "fmHatPosSettings", HatPosSettingsTexts(), askKey, sysCmd) {}

void TfmHatPosSettings::Execute(HWND owner, TKeyEvents& events) {
  Open(owner, [&] { logic_.Load(events); });
}

}  // namespace qv::ui::dialogs::win32
