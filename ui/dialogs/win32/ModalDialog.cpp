#include "ui/dialogs/win32/ModalDialog.h"

#include "base/Error.h"
#include "base/Utf.h"
#include "lang/Translator.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {

TModalDialog::TModalDialog(int templateId, std::string_view formName, std::span<const TControlText> texts)
    : templateId_(templateId), texts_(texts) {
  DescribeDialog(components_, formName, texts_);
  lang::RegisterLangForm(components_);
}

bool TModalDialog::Run(HWND owner) {
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                                         &Proc, reinterpret_cast<LPARAM>(this));
  if (result == -1) throw Error(u"The window " + FromUtf8(components_.name) + u" cannot be created.");
  return result == IDOK;
}

INT_PTR CALLBACK TModalDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(window, DWLP_USER, lParam);
  // Messages before WM_INITDIALOG (the font, the frame) go to the system.
  auto* self = reinterpret_cast<TModalDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, DWLP_USER, 0);
    self->window_ = nullptr;
    return FALSE;
  }
  try {
    if (message == WM_INITDIALOG) self->window_ = window;
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    ui::ShowCurrentError(window);
    EndDialog(window, IDABORT);
    return TRUE;
  }
}

INT_PTR TModalDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ApplyTexts();
      OnInit();
      CentreOnScreen();
      return TRUE;  // the focus goes to the first control in the Tab order
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          // A spin edit holding no number of its range keeps the window open.
          if (!SpinEditsAccept(window_)) return TRUE;
          OnOk();
          EndDialog(window_, IDOK);
          return TRUE;
        case IDCANCEL:
          EndDialog(window_, IDCANCEL);
          return TRUE;
        default:
          OnCommand(LOWORD(wParam), HIWORD(wParam));
          return TRUE;
      }
    default: {
      INT_PTR result = FALSE;
      if (!OnMessage(message, wParam, lParam, result)) return FALSE;
      return result;
    }
  }
}

void TModalDialog::ApplyTexts() {
  SetWindowTextW(window_, W(components_.caption));
  HWND tooltips = nullptr;
  // The tree holds one component per listed control, in the list's order.
  for (size_t i = 0; i < texts_.size(); ++i) {
    HWND control = Item(texts_[i].Id);
    if (control == nullptr)
      throw Error(u"The window " + FromUtf8(components_.name) + u" has no control " +
                  FromUtf8(texts_[i].Name) + u".");
    const lang::TComponent& component = *components_.owned[i];
    switch (component.kind) {
      case lang::Kind::ComboBox:
        SetItems(control, component.items, component.itemIndex);
        break;
      case lang::Kind::SpeedButton:
        // One tooltip window for the window, destroyed with it as its owner.
        tooltips = AddTooltip(tooltips, window_, control, component.hint);
        break;
      default:
        SetWindowTextW(control, W(component.caption));
        break;
    }
  }
}

void TModalDialog::CentreOnScreen() {
  RECT r{};
  GetWindowRect(window_, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(window_, nullptr, left > 0 ? left : 0, top > 0 ? top : 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace qv::ui::dialogs::win32
