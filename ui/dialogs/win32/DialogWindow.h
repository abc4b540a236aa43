#pragma once
// The one base of every window made from a dialog template, modal or child
// (DS_CONTROL): `this` travels through the creation's parameter and lives in
// DWLP_USER from WM_INITDIALOG until the window goes, and every message goes
// through one procedure that catches what the window's code throws, so that
// nothing unwinds through the system's dialog code. What an error does after
// that is the kind's: a modal window closes as cancelled, a child stays open.
//
// At WM_INITDIALOG the window puts the translated texts of its part of the
// component tree on its controls, by name, then fills them (OnInit).
#include <windows.h>

#include <span>

#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs::win32 {

// The texts of tree's components on root's controls, each control found by
// the id its entry in texts gives and its component by its name: a caption,
// a combo box's items, or a picture button's tooltip. A control or a
// component that is not there raises, naming the window.
void ApplyTexts(HWND root, const lang::TComponent& tree, std::span<const TControlText> texts);

class TDialogWindow {
 public:
  TDialogWindow(int templateId, std::span<const TControlText> texts)
      : templateId_(templateId), texts_(texts) {}
  virtual ~TDialogWindow() = default;
  TDialogWindow(const TDialogWindow&) = delete;
  TDialogWindow& operator=(const TDialogWindow&) = delete;

  // The open window; null while none is.
  HWND Handle() const { return window_; }

 protected:
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LPARAM Self() { return reinterpret_cast<LPARAM>(this); }
  int TemplateId() const { return templateId_; }
  // Where the window's texts come from; set before the window is made.
  void UseTexts(const lang::TComponent& tree) { tree_ = &tree; }
  const lang::TComponent& Tree() const { return *tree_; }
  HWND Item(int id) const { return GetDlgItem(window_, id); }

  // The window's controls exist and carry their texts; fill them.
  virtual void OnInit() {}
  // WM_COMMAND (a modal window's OK and Cancel excepted).
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  // Any other message; return true when handled, with its result in result.
  virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/, INT_PTR& /*result*/) {
    return false;
  }

  virtual INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Called inside the procedure's catch block, with the error current.
  virtual void Failed(UINT message) noexcept = 0;

 private:
  int templateId_;
  std::span<const TControlText> texts_;
  const lang::TComponent* tree_ = nullptr;
  HWND window_ = nullptr;
};

}  // namespace qv::ui::dialogs::win32
