#pragma once
// fmCompatibility: the profile's two compatibility pauses.
#include "ui/dialogs/Compatibility.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfmCompatibility final : public TModalDialog {
 public:
  TfmCompatibility();
  // With polling stopped while open; OK writes the pauses into the profile.
  void Execute(HWND owner);

 private:
  void OnInit() override;
  void OnOk() override;

  TCompatibility logic_;
  TSpinEdit shiftDelay_;
  TSpinEdit pressDelay_;
};

}  // namespace qv::ui::dialogs::win32
