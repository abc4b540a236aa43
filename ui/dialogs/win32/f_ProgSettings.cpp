#include "ui/dialogs/win32/f_ProgSettings.h"

#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TfmProgSettings::TfmProgSettings(input::TJoystick& joystick)
    : TModalDialog(IDD_PROG_SETTINGS, "fmProgSettings", ProgSettingsTexts()),
      joystick_(joystick),
      bindingItems_(BindingItems(joystick.DeviceNames())) {}

void TfmProgSettings::Execute(HWND owner) {
  TPollingGuard polling(ui::ReportError);
  {
    // Owns the temporary mixer: freed however the window ends, before polling starts again.
    TProgSettings logic(joystick_);
    logic_ = &logic;
    const bool confirmed = Run(owner);
    logic_ = nullptr;
    if (confirmed) logic.Store(joystick_);
  }
  polling.Restart();
}

void TfmProgSettings::OnInit() {
  SetItems(Item(IDC_COMBO_PLAY_DEV), logic_->Devices, logic_->PlayDevice);
  SetItems(Item(IDC_COMBO_REC_DEV), logic_->Devices, logic_->RecDevice);
  FillLines();
  level_.Attach(Handle(), IDC_SPIN_MIC_LEVEL, IDC_UD_MIC_LEVEL, TProgSettings::MinLevel,
                TProgSettings::MaxLevel);
  level_.SetValue(logic_->Level);
  SetItems(Item(IDC_ED_JOYSTICK), bindingItems_, -1);
  SetText(Item(IDC_ED_JOYSTICK), logic_->Binding);
}

void TfmProgSettings::FillLines() { SetItems(Item(IDC_COMBO_REC_LINE), logic_->Lines, logic_->Line); }

void TfmProgSettings::OnCommand(int id, int code) {
  if (id == IDC_COMBO_REC_DEV && code == CBN_SELCHANGE) {
    logic_->ChooseRecordingDevice(Selection(Item(IDC_COMBO_REC_DEV)));
    FillLines();
  }
}

void TfmProgSettings::OnOk() {
  logic_->PlayDevice = Selection(Item(IDC_COMBO_PLAY_DEV));
  logic_->RecDevice = Selection(Item(IDC_COMBO_REC_DEV));
  logic_->Line = Selection(Item(IDC_COMBO_REC_LINE));
  logic_->Level = level_.Value();
  logic_->Binding = Text(Item(IDC_ED_JOYSTICK));
}

}  // namespace qv::ui::dialogs::win32
