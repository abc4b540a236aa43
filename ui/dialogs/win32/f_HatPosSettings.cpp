#include "ui/dialogs/win32/f_HatPosSettings.h"

#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {

TfmHatPosSettings::TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TfmHatPosSettings(IDD_HAT_POS_SETTINGS, "fmHatPosSettings", HatPosSettingsTexts(), askKey, sysCmd) {}

TfmHatPosSettings::TfmHatPosSettings(int templateId, std::string_view formName,
                                     std::span<const TControlText> texts, TfmAskKey& askKey,
                                     TfmSysCmd& sysCmd)
    : TModalDialog(templateId, formName, texts), keys_(askKey, sysCmd, logic_.Keys) {
  DescribeKeyFrames(Components());
}

void TfmHatPosSettings::Execute(HWND owner, TKeyEvents& events) {
  TPollingGuard polling;
  logic_.Load(events);
  Open(owner);
}

void TfmHatPosSettings::Open(HWND owner) {
  if (Run(owner)) logic_.Store();
}

void TfmHatPosSettings::OnInit() { keys_.Create(Handle(), Components()); }

TfmButtonSettings::TfmButtonSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TfmHatPosSettings(IDD_BUTTON_SETTINGS, "fmButtonSettings", ButtonSettingsTexts(), askKey, sysCmd) {}

void TfmButtonSettings::Execute(HWND owner, TProfileButton& button) {
  TPollingGuard polling;
  logic_.Load(button);
  Open(owner);
}

void TfmButtonSettings::OnInit() {
  TfmHatPosSettings::OnInit();
  SendMessageW(Item(IDC_COMBO_INITIAL_POS), CB_SETCURSEL, WPARAM(logic_.ParkPos), 0);
}

void TfmButtonSettings::OnOk() { logic_.ParkPos = Selection(Item(IDC_COMBO_INITIAL_POS)); }

}  // namespace qv::ui::dialogs::win32
