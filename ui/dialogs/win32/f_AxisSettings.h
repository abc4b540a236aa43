#pragma once
// fmAxisSettings: one lever's step keys with their tap hold and gap, position limit, starting position
// and resync taps; its measuring wizard fills the hold and the gap. Polling
// is stopped while it is open; only OK writes.
#include <windows.h>

#include "ui/dialogs/AxisSettings.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/dialogs/win32/f_PressKey.h"
#include "ui/dialogs/win32/f_StepMeasure.h"

namespace qv::ui::dialogs::win32 {

class TfmAxisSettings final : public TModalDialog {
 public:
  TfmAxisSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd, TfmStepMeasure& measure);
  // The axis by its list position.
  void Execute(HWND owner, int axis);

 private:
  void OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  void Measure();

  TfmStepMeasure& measure_;
  TAxisSettingsEditor logic_;
  TfrPressKey up_, down_;
  TSpinEdit stepHold_, stepGap_, posLimit_, initialPos_, resyncFirst_, resyncLast_;
};

}  // namespace qv::ui::dialogs::win32
