#include "ui/dialogs/win32/ModalDialog.h"

#include "base/Error.h"
#include "base/Utf.h"
#include "lang/Translator.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TModalDialog::TModalDialog(int templateId, std::string_view formName, std::span<const TControlText> texts)
    : TDialogWindow(templateId, texts) {
  DescribeDialog(components_, formName, texts);
  UseTexts(components_);
  lang::RegisterLangForm(components_);
}

bool TModalDialog::Run(HWND owner) {
  const INT_PTR result =
      DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), owner, &Proc, Self());
  if (result == -1) throw Error(u"The window " + FromUtf8(components_.name) + u" cannot be created.");
  return result == IDOK;
}

INT_PTR TModalDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetText(Handle(), components_.caption);
    TDialogWindow::Dispatch(message, wParam, lParam);
    CentreOnScreen();
    return TRUE;  // the focus goes to the first control in the Tab order
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    if (LOWORD(wParam) == IDOK) {
      // A spin edit holding no number of its range keeps the window open.
      if (!SpinEditsAccept(Handle())) return TRUE;
      OnOk();
    }
    EndDialog(Handle(), LOWORD(wParam));
    return TRUE;
  }
  return TDialogWindow::Dispatch(message, wParam, lParam);
}

void TModalDialog::Failed(UINT) noexcept {
  ui::ShowCurrentError(Handle());
  EndDialog(Handle(), IDABORT);
}

void TModalDialog::CentreOnScreen() {
  RECT r{};
  GetWindowRect(Handle(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(Handle(), nullptr, left > 0 ? left : 0, top > 0 ? top : 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace qv::ui::dialogs::win32
