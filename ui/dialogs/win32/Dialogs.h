#pragma once
// The settings windows of the program, made at start-up right after the main
// window in the order the translator walk takes them, and opened by the main
// window's actions. Each window's object lives for the whole run; its system
// window only while it is open.
#include <windows.h>

#include <string>

#include "input/i_Joystick.h"
#include "ui/MainActions.h"
#include "ui/dialogs/win32/f_About.h"
#include "ui/dialogs/win32/f_Compatibility.h"
#include "ui/dialogs/win32/f_ProgSettings.h"

namespace qv::ui::dialogs::win32 {

class TDialogs {
 public:
  TDialogs(HWND owner, input::TJoystick& joystick, const std::u16string& version);

  // The window of a main window action, owned by the main window; actions
  // without a window of their own do nothing here.
  void Open(TActionId action);

  // Declared in their creation order.
  TfmCompatibility Compatibility;
  TfmProgSettings ProgSettings;
  TfmAbout About;

 private:
  HWND owner_;
};

}  // namespace qv::ui::dialogs::win32
