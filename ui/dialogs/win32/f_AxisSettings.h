#pragma once
// fmAxisSettings: one lever's step keys, position limit, starting position
// and resync taps. Polling is stopped while it is open; only OK writes.
#include <windows.h>

#include "ui/dialogs/AxisSettings.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/dialogs/win32/f_PressKey.h"

namespace qv::ui::dialogs::win32 {

class TfmAxisSettings final : public TModalDialog {
 public:
  TfmAxisSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  // The axis by its list position.
  void Execute(HWND owner, int axis);

 private:
  void OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;

  TAxisSettingsEditor logic_;
  TfrPressKey up_, down_;
  TSpinEdit posLimit_, initialPos_, resyncFirst_, resyncLast_;
};

}  // namespace qv::ui::dialogs::win32
