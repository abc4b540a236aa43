#include "ui/dialogs/win32/Controls.h"

#include <commctrl.h>

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

HWND AddTooltip(HWND tooltips, HWND owner, HWND control, const std::u16string& text) {
  if (text.empty()) return tooltips;
  if (tooltips == nullptr)
    tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltips == nullptr) return nullptr;
  std::u16string copy = text;  // the tooltip keeps its own copy once the tool is added
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = W(copy.data());
  SendMessageW(tooltips, TTM_ADDTOOLW, 0, LPARAM(&tool));
  return tooltips;
}

}  // namespace qv::ui::dialogs::win32
