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

bool DrawSelectionHighlighted(const NMHDR& header, int listId, LRESULT& answer) {
  if (header.idFrom != UINT_PTR(listId) || header.code != NM_CUSTOMDRAW) return false;
  auto& draw = const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header));
  answer = CDRF_DODEFAULT;
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
    answer = CDRF_NOTIFYITEMDRAW;
  } else if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
             SendMessageW(header.hwndFrom, LVM_GETITEMSTATE, draw.nmcd.dwItemSpec, LVIS_SELECTED) != 0) {
    // Drawn as an ordinary line in these colours: the list's own selected
    // look would paint over them.
    draw.nmcd.uItemState &= ~UINT(CDIS_SELECTED | CDIS_FOCUS);
    draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
    answer = CDRF_NEWFONT;
  }
  return true;
}

HWND AddTooltip(HWND tooltips, HWND owner, HWND control, const std::u16string& text) {
  if (text.empty()) return tooltips;
  if (tooltips == nullptr)
    tooltips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tooltips == nullptr) return nullptr;
  // Long hints wrap instead of running across the screen.
  SendMessageW(tooltips, TTM_SETMAXTIPWIDTH, 0, 320);
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
