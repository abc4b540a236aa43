#pragma once
// fmProgSettings: the sound devices, the recording line and level, and the
// joystick binding.
#include <string>
#include <vector>

#include "input/i_Joystick.h"
#include "ui/dialogs/ProgSettings.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfmProgSettings final : public TModalDialog {
 public:
  // The binding list is made now, from the controllers found at start-up.
  explicit TfmProgSettings(input::TJoystick& joystick);
  // With polling stopped while open; OK reopens the mixers and sets the level
  // and the binding (which takes effect at the next start).
  void Execute(HWND owner);

 private:
  void OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  void FillLines();

  input::TJoystick& joystick_;
  std::vector<std::u16string> bindingItems_;
  TProgSettings* logic_ = nullptr;  // while open
  TSpinEdit level_;
};

}  // namespace qv::ui::dialogs::win32
