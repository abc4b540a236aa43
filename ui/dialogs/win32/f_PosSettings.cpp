#include "ui/dialogs/win32/f_PosSettings.h"

#include "engine/Profile.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs::win32 {

TfmPosSettings::TfmPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TKeyWindow(IDD_POS_SETTINGS, "fmPosSettings", PosSettingsTexts(), askKey, sysCmd) {}

void TfmPosSettings::Execute(HWND owner, int axis, int32_t position) {
  Open(owner, [&] { logic_.Load(ProfileAxes.at(size_t(axis)).Positions.at(size_t(position - 1))); });
}

void TfmPosSettings::OnInit() {
  TKeyWindow::OnInit();
  index_.Attach(Handle(), IDC_SPIN_INDEX, IDC_UD_INDEX, TKeySettings::MinUserIndex,
                TKeySettings::MaxUserIndex);
  index_.SetValue(logic_.UserIndex);
  gateHold_.Attach(Handle(), IDC_SPIN_GATE_HOLD, IDC_UD_GATE_HOLD, 0, TKeySettings::GateHoldMax);
  gateHold_.SetValue(logic_.GateHold);
}

void TfmPosSettings::OnOk() {
  logic_.UserIndex = index_.Value();
  logic_.GateHold = gateHold_.Value();
}

}  // namespace qv::ui::dialogs::win32
