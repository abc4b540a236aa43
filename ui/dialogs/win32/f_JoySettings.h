#pragma once
// fmJoySettings: how each axis of the controller is read, set up while the
// user moves the real lever. Polling is stopped while it is open; the window
// reads the controller itself on a timer, through the joystick layer's own
// poll (never the engine's device hook, whose lost-device handling could
// press keys from this thread). The axis type's settings are on three pages,
// child windows shown one at a time by the tab control. OK saves the
// joystick settings file.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "input/i_Joystick.h"
#include "ui/dialogs/JoySettingsEditor.h"
#include "ui/dialogs/win32/ChildDialog.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/dialogs/win32/f_AnalogPage.h"
#include "ui/dialogs/win32/f_MultiposPage.h"

namespace qv::ui::dialogs::win32 {

class TfmJoySettings final : public TModalDialog {
 public:
  // The live value is read this often: often enough to follow a lever, far
  // from the busy loop an idle handler would be.
  static constexpr UINT RefreshMs = 15;

  explicit TfmJoySettings(input::TJoystick& joystick);
  void Execute(HWND owner);

  // Where OK saves; the program's own file unless told otherwise.
  std::u16string SettingsFile;

 private:
  void OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  void ShowAxis();
  void TakeShown();
  void ShowPage(int page);
  void Refresh();
  void PaintMeter(const DRAWITEMSTRUCT& item) const;

  input::TJoystick& joystick_;
  TJoySettingsEditor logic_;
  std::vector<std::u16string> entries_;
  bool filled_ = false;
  int32_t live_ = 0;
  int32_t noise_ = 0;
  TSpinEdit noiseSpin_;
  // The pages in Type order; an unused axis has nothing to set.
  TChildDialog unused_;
  TfrMultiposPage multipos_;
  TfrAnalogPage analog_;
  std::array<TChildDialog*, 3> pages_;
};

}  // namespace qv::ui::dialogs::win32
