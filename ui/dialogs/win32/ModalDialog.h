#pragma once
// The one base of every settings window: a modal dialog made from its
// template at each opening, owned by the window that opens it (which is
// disabled meanwhile), centred on the screen, with the texts of its
// component tree put on its controls. The tree is made when the window
// object is, at start-up, and registered for the translator walk then.
//
// Every message goes through one procedure that catches what the window's
// code throws: the error is shown once, in the program's error box, and the
// window closes as cancelled. Nothing unwinds through the system's dialog code.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs::win32 {

class TModalDialog {
 public:
  TModalDialog(int templateId, std::string_view formName, std::span<const TControlText> texts);
  virtual ~TModalDialog() = default;
  TModalDialog(const TModalDialog&) = delete;
  TModalDialog& operator=(const TModalDialog&) = delete;

  // The window as the translator walk sees it.
  lang::TComponent& Components() { return components_; }
  // The open window; null while none is.
  HWND Handle() const { return window_; }

 protected:
  // Shows the window and returns when it closes: true for OK.
  bool Run(HWND owner);
  HWND Item(int id) const { return GetDlgItem(window_, id); }

  // The window's controls exist and carry their texts; fill them.
  virtual void OnInit() {}
  // OK was pressed: take the controls' values. The window then closes.
  virtual void OnOk() {}
  // WM_COMMAND other than OK and Cancel.
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  // Any other message; return true when handled, with its result in result.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }

 private:
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyTexts();
  void CentreOnScreen();

  int templateId_;
  std::span<const TControlText> texts_;
  lang::TComponent components_;
  HWND window_ = nullptr;
};

}  // namespace qv::ui::dialogs::win32
