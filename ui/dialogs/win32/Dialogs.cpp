#include "ui/dialogs/win32/Dialogs.h"

#include <commctrl.h>

namespace qv::ui::dialogs::win32 {
namespace {

// The up-down class is the common controls'; the templates need it registered.
void RegisterCommonControls() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

}  // namespace

TDialogs::TDialogs(HWND owner, input::TJoystick& joystick, const std::u16string& version)
    : ProgSettings(joystick), About(version), owner_(owner) {
  RegisterCommonControls();
}

void TDialogs::Open(TActionId action) {
  switch (action) {
    case TActionId::Compatibility:
      Compatibility.Execute(owner_);
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

}  // namespace qv::ui::dialogs::win32
