#pragma once
// The settings windows of the program, made at start-up right after the main
// window in the order the translator walk takes them, and opened by the main
// window's actions. Each window's object lives for the whole run; its system
// window only while it is open.
#include <windows.h>

#include <string>

#include "input/i_Joystick.h"
#include "ui/ControlTree.h"
#include "ui/MainActions.h"
#include "ui/dialogs/win32/KeyWindow.h"
#include "ui/dialogs/win32/f_About.h"
#include "ui/dialogs/win32/f_AskKey.h"
#include "ui/dialogs/win32/f_AxisSettings.h"
#include "ui/dialogs/win32/f_ButtonSettings.h"
#include "ui/dialogs/win32/f_Compatibility.h"
#include "ui/dialogs/win32/f_JoySettings.h"
#include "ui/dialogs/win32/f_PosSettings.h"
#include "ui/dialogs/win32/f_ProgSettings.h"
#include "ui/dialogs/win32/f_StepMeasure.h"
#include "ui/dialogs/win32/f_SysCmd.h"

namespace qv::ui::dialogs::win32 {

class TDialogs {
 public:
  TDialogs(HWND owner, input::TJoystick& joystick, const std::u16string& version);

  // The window of a main window action, owned by the main window; actions
  // without a window of their own do nothing here.
  void Open(TActionId action);
  // The window of a row of the control list: a hat direction's or a
  // button's keys, a lever's settings (while its tracker is active) or one
  // of its positions' keys; other rows open nothing here.
  void Open(const TRowAction& row);

  // Declared in their creation order: a window made before the key
  // windows it opens only keeps references to them until it is shown.
  TfmJoySettings JoySettings;
  TfmAxisSettings AxisSettings;
  TfmStepMeasure StepMeasure;
  TfmAskKey AskKey;
  TfmCompatibility Compatibility;
  TfmHatPosSettings HatPosSettings;
  TfmPosSettings PosSettings;
  TfmProgSettings ProgSettings;
  TfmSysCmd SysCmd;
  TfmAbout About;
  TfmButtonSettings ButtonSettings;

 private:
  HWND owner_;
};

}  // namespace qv::ui::dialogs::win32
