#include "tests/ui/dialogs/win32/TextFit.h"

#include <cwctype>
#include <string_view>

#include "base/Utf.h"

namespace qv::test {
namespace {

std::u16string WindowText(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return reinterpret_cast<const char16_t*>(text);
}

std::u16string ClassOf(HWND control) {
  wchar_t name[64] = {};
  GetClassNameW(control, name, 64);
  return reinterpret_cast<const char16_t*>(name);
}

// The text's extent in the control's font, wrapped at width when wrap is
// set (a word longer than the width widens the result).
SIZE Extent(HWND control, const std::u16string& text, int width, UINT flags) {
  HDC dc = GetDC(control);
  auto font = HFONT(SendMessageW(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font != nullptr ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT));
  RECT box{0, 0, width, 0};
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), int(text.size()), &box, flags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {box.right - box.left, box.bottom - box.top};
}

struct TRoom {
  int Width, Height;
  UINT Flags;
};

// The room a control's caption has, by the control's kind; none for
// controls whose text is not a caption (edits, lists) or that draw
// themselves.
bool RoomOf(HWND control, TRoom& room) {
  RECT client{};
  GetClientRect(control, &client);
  const int width = client.right, height = client.bottom;
  const auto style = GetWindowLongW(control, GWL_STYLE);
  const std::u16string kind = ClassOf(control);
  if (kind == u"Static") {
    const auto type = style & SS_TYPEMASK;
    if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP) return false;
    const UINT wrap = type == SS_LEFTNOWORDWRAP ? DT_SINGLELINE : DT_WORDBREAK;
    // A sunken frame takes its edge on each side.
    const int edge = (style & SS_SUNKEN) != 0 ? 2 * GetSystemMetrics(SM_CXEDGE) : 0;
    room = {width - edge, height, wrap | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0u)};
    return true;
  }
  if (kind != u"Button") return false;
  const auto type = style & BS_TYPEMASK;
  if (type == BS_GROUPBOX) {
    // The caption starts about a character in from the frame's corner and
    // must end as far from the other one.
    const int inset = Extent(control, u"0", 0, DT_SINGLELINE).cx + 2;
    room = {width - 2 * inset, height, DT_SINGLELINE};
    return true;
  }
  const bool box = (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                    type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) &&
                   (style & BS_PUSHLIKE) == 0;
  if ((style & (BS_BITMAP | BS_ICON)) != 0 || type == BS_OWNERDRAW) return false;
  if (box) {
    // The box, then a gap of half a character.
    const int mark = GetSystemMetrics(SM_CXMENUCHECK) + Extent(control, u"0", 0, DT_SINGLELINE).cx / 2;
    room = {width - mark, height, DT_SINGLELINE};
    return true;
  }
  // A push button's face: its 3-D edge and the focus rectangle inside it.
  const int edge = 2 * (GetSystemMetrics(SM_CXEDGE) + 2);
  room = {width - edge, height - 4, DT_SINGLELINE};
  return true;
}

std::string Describe(HWND window, HWND control, const std::u16string& text, SIZE need, int haveWidth,
                     int haveHeight) {
  return ToUtf8(WindowText(window)) + ": \"" + ToUtf8(text) + "\" (control " +
         std::to_string(GetDlgCtrlID(control)) + ") needs " + std::to_string(need.cx) + "x" +
         std::to_string(need.cy) + " px, has " + std::to_string(haveWidth) + "x" + std::to_string(haveHeight);
}

struct TWalk {
  HWND Window;
  std::vector<std::string> Faults;
};

void CheckCombo(TWalk& walk, HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof(info);
  if (!GetComboBoxInfo(combo, &info)) return;
  // The closed list shows the chosen item in the field beside the arrow.
  const int width = info.rcItem.right - info.rcItem.left;
  const int count = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(i), 0) >= 512) continue;
    SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
    const std::u16string item = reinterpret_cast<const char16_t*>(text);
    const SIZE need = Extent(combo, item, 0, DT_SINGLELINE | DT_NOPREFIX);
    if (need.cx > width) walk.Faults.push_back(Describe(walk.Window, combo, item, need, width, 0));
  }
}

BOOL CALLBACK CheckControl(HWND control, LPARAM param) {
  auto& walk = *reinterpret_cast<TWalk*>(param);
  if (!IsWindowVisible(control)) return TRUE;
  if (ClassOf(control) == u"ComboBox" && (GetWindowLongW(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST) {
    CheckCombo(walk, control);
    return TRUE;
  }
  const std::u16string text = WindowText(control);
  TRoom room{};
  if (text.empty() || !RoomOf(control, room)) return TRUE;
  const SIZE need = Extent(control, text, room.Width, room.Flags);
  if (need.cx > room.Width || need.cy > room.Height)
    walk.Faults.push_back(Describe(walk.Window, control, text, need, room.Width, room.Height));
  return TRUE;
}

// A shortcut as the menus write one: a function key or a Ctrl chord.
bool LooksLikeAShortcut(std::u16string_view word) {
  if (word.starts_with(u"Ctrl+")) return true;
  return word.size() >= 2 && word.size() <= 3 && word[0] == u'F' && std::iswdigit(wint_t(word[1]));
}

}  // namespace

std::vector<std::string> TextsThatDoNotFit(HWND window) {
  TWalk walk{window, {}};
  EnumChildWindows(window, &CheckControl, LPARAM(&walk));
  return walk.Faults;
}

std::vector<std::string> ShortcutsNotAfterATab(HMENU menu) {
  std::vector<std::string> faults;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t buffer[256] = {};
    GetMenuStringW(menu, UINT(i), buffer, 256, MF_BYPOSITION);
    const std::u16string text = reinterpret_cast<const char16_t*>(buffer);
    const size_t tab = text.find(u'\t');
    const size_t space = text.rfind(u' ');
    const std::u16string_view last =
        std::u16string_view(text).substr(space == std::u16string::npos ? 0 : space + 1);
    const bool shortcutInText = tab == std::u16string::npos && LooksLikeAShortcut(last);
    const bool tabWithoutShortcut =
        tab != std::u16string::npos && !LooksLikeAShortcut(std::u16string_view(text).substr(tab + 1));
    if (shortcutInText || tabWithoutShortcut) faults.push_back(ToUtf8(text));
    if (HMENU sub = GetSubMenu(menu, i)) {
      for (std::string& fault : ShortcutsNotAfterATab(sub)) faults.push_back(std::move(fault));
    }
  }
  return faults;
}

}  // namespace qv::test
