#include "ui/dialogs/win32/Controls.h"

#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {

void SetItems(HWND combo, std::span<const std::u16string> items, int selected) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::u16string& item : items) SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(W(item)));
  SendMessageW(combo, CB_SETCURSEL, WPARAM(selected), 0);
}

int Selection(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : int(index);
}

std::u16string Text(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::u16string text(size_t(length) + 1, u'\0');
  GetWindowTextW(control, W(text.data()), length + 1);
  text.resize(size_t(length));
  return text;
}

void SetText(HWND control, const std::u16string& text) { SetWindowTextW(control, W(text)); }

}  // namespace qv::ui::dialogs::win32
