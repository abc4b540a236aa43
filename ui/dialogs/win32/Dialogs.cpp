#include "ui/dialogs/win32/Dialogs.h"

#include <commctrl.h>

#include "engine/Profile.h"

namespace qv::ui::dialogs::win32 {
namespace {

// The up-down, list view and tab classes are the common controls'; the
// templates need them registered.
void RegisterCommonControls() {
  INITCOMMONCONTROLSEX controls{
      sizeof(controls), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace

TDialogs::TDialogs(HWND owner, input::TJoystick& joystick, const std::u16string& version)
    : JoySettings(joystick),
      AxisSettings(AskKey, SysCmd, StepMeasure),
      StepMeasure(joystick),
      HatPosSettings(AskKey, SysCmd),
      PosSettings(AskKey, SysCmd),
      ProgSettings(joystick),
      About(version),
      ButtonSettings(AskKey, SysCmd),
      owner_(owner) {
  RegisterCommonControls();
}

void TDialogs::Open(TActionId action) {
  switch (action) {
    case TActionId::Compatibility:
      Compatibility.Execute(owner_);
      break;
    case TActionId::JoySettings:
      JoySettings.Execute(owner_);
      break;
    case TActionId::ProgSettings:
      ProgSettings.Execute(owner_);
      break;
    case TActionId::About:
      About.Execute(owner_);
      break;
    default:
      break;
  }
}

void TDialogs::Open(const TRowAction& row) {
  switch (row.Command) {
    case TRowCommand::HatPosSettings:
      HatPosSettings.Execute(owner_, ProfileHats.at(size_t(row.Control)).Directions.at(size_t(row.Detail)));
      break;
    case TRowCommand::AxisSettings:
      // Without a tracker the lever has no positions to limit or start at.
      if (AxisTrackers.at(size_t(row.Control)).Active) AxisSettings.Execute(owner_, row.Control);
      break;
    case TRowCommand::PosSettings:
      PosSettings.Execute(owner_, row.Control, row.Detail);
      break;
    case TRowCommand::ButtonSettings:
      ButtonSettings.Execute(owner_, ProfileButtons.at(size_t(row.Control)));
      break;
    default:
      break;
  }
}

}  // namespace qv::ui::dialogs::win32
