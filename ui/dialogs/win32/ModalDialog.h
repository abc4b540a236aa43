#pragma once
// A settings window: a modal dialog made from its template at each opening,
// owned by the window that opens it (which is disabled meanwhile), centred on
// the screen, captioned and texted from its component tree. The tree is made
// when the window object is, at start-up, and registered for the translator
// walk then. An error in its code is shown once, in the program's error box,
// and the window closes as cancelled.
#include <windows.h>

#include <span>
#include <string_view>

#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/win32/DialogWindow.h"

namespace qv::ui::dialogs::win32 {

class TModalDialog : public TDialogWindow {
 public:
  TModalDialog(int templateId, std::string_view formName, std::span<const TControlText> texts);

  // The window as the translator walk sees it.
  lang::TComponent& Components() { return components_; }

 protected:
  // Shows the window and returns when it closes: true for OK.
  bool Run(HWND owner);
  // OK was pressed: take the controls' values. The window then closes.
  virtual void OnOk() {}

 private:
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Failed(UINT message) noexcept override;
  void CentreOnScreen();

  lang::TComponent components_;
};

}  // namespace qv::ui::dialogs::win32
