#include "ui/dialogs/win32/Controls.h"

#include <commctrl.h>

#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {

std::u16string Text(HWND control) {
  const int length = GetWindowTextLengthW(control);
  std::u16string text(size_t(length) + 1, u'\0');
  GetWindowTextW(control, W(text.data()), length + 1);
  text.resize(size_t(length));
  return text;
}

void SetText(HWND control, const std::u16string& text) { SetWindowTextW(control, W(text)); }

void SetItems(HWND combo, std::span<const std::u16string> items, int selected) {
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::u16string& item : items) SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(W(item)));
  Select(combo, selected);
}

void Select(HWND combo, int index) { SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0); }

int Selection(HWND combo) {
  const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : int(index);
}

void SetLines(HWND list, std::span<const std::u16string> lines, int selected) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::u16string& line : lines) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(W(line)));
  SendMessageW(list, LB_SETCURSEL, WPARAM(selected), 0);
}

int SelectedLine(HWND list) {
  const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : int(index);
}

bool Checked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Check(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetTabs(HWND tabs, std::span<const std::u16string> captions) {
  SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
  for (size_t i = 0; i < captions.size(); ++i) {
    std::u16string caption = captions[i];  // the tab copies it; the item wants it writable
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = W(caption.data());
    SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&tab));
  }
}

void ChooseTab(HWND tabs, int index) { SendMessageW(tabs, TCM_SETCURSEL, WPARAM(index), 0); }
int ChosenTab(HWND tabs) { return int(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }

void ShowVirtualLines(HWND list, int count, int select) {
  SendMessageW(list, LVM_SETITEMCOUNT, WPARAM(count), 0);
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&none));
  if (select >= 0) {
    LVITEMW chosen{};
    chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, WPARAM(select), LPARAM(&chosen));
    SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(select), FALSE);
  }
  InvalidateRect(list, nullptr, TRUE);
}

int ChosenLine(HWND list) { return int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED)); }

void EnableControls(HWND window, std::initializer_list<int> ids, bool enabled) {
  for (int id : ids) EnableWindow(GetDlgItem(window, id), enabled);
}

void ShowControls(HWND window, std::initializer_list<int> ids, bool shown) {
  for (int id : ids) ShowWindow(GetDlgItem(window, id), shown ? SW_SHOW : SW_HIDE);
}

void EnableAllControls(HWND window, bool enabled) {
  EnumChildWindows(
      window,
      [](HWND control, LPARAM enable) -> BOOL {
        EnableWindow(control, BOOL(enable));
        return TRUE;
      },
      LPARAM(enabled));
}

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
