#include "ui/dialogs/win32/DialogWindow.h"

#include "base/Error.h"
#include "base/Utf.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {

void ApplyTexts(HWND root, const lang::TComponent& tree, std::span<const TControlText> texts) {
  HWND tooltips = nullptr;
  for (const TControlText& text : texts) {
    HWND control = GetDlgItem(root, text.Id);
    if (control == nullptr)
      throw Error(u"The window " + FromUtf8(tree.name) + u" has no control " + FromUtf8(text.Name) + u".");
    const lang::TComponent& component = FindComponent(tree, text.Name);
    switch (component.kind) {
      case lang::Kind::ComboBox:
        SetItems(control, component.items, component.itemIndex);
        break;
      case lang::Kind::SpeedButton:
        // One tooltip window for the window, destroyed with it as its owner.
        tooltips = AddTooltip(tooltips, root, control, component.hint);
        break;
      default:
        SetText(control, component.caption);
        break;
    }
  }
}

INT_PTR CALLBACK TDialogWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
  // Messages before WM_INITDIALOG (the font, the frame) go to the system.
  auto* self = reinterpret_cast<TDialogWindow*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
    return FALSE;
  }
  try {
    if (message == WM_INITDIALOG) self->window_ = window;
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    self->Failed(message);
    return TRUE;
  }
}

INT_PTR TDialogWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ApplyTexts(window_, *tree_, texts_);
      OnInit();
      return FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default: {
      INT_PTR result = FALSE;
      return OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace qv::ui::dialogs::win32
