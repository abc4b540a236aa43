#pragma once
// fmPosSettings: one lever position's keys, the simulator's notch number it
// stands for and the longer hold of the gate above that notch. The key window
// with two spin edits more.
#include <windows.h>

#include <cstdint>

#include "ui/dialogs/win32/KeyWindow.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfmPosSettings final : public TKeyWindow {
 public:
  TfmPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  // The axis by its list position; position 1..32.
  void Execute(HWND owner, int axis, int32_t position);

 private:
  void OnInit() override;
  void OnOk() override;

  TSpinEdit index_, gateHold_;
};

}  // namespace qv::ui::dialogs::win32
