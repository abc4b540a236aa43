#pragma once
// What the windows do with combo boxes and texts of controls, in one place.
#include <windows.h>

#include <span>
#include <string>

namespace qv::ui::dialogs::win32 {

// The list anew, then the item at selected chosen (-1: none).
void SetItems(HWND combo, std::span<const std::u16string> items, int selected);
// The chosen item's position, -1 when none is.
int Selection(HWND combo);

std::u16string Text(HWND control);
// A tooltip with text for control, a child of owner. The tooltip window is
// made on the first call (pass null) and returned for the next ones; its
// owner's window destroys it. No text: no tool, and no window made for it.
HWND AddTooltip(HWND tooltips, HWND owner, HWND control, const std::u16string& text);
void SetText(HWND control, const std::u16string& text);
// For the window's WM_NOTIFY: draws the selected line of the list view with
// id listId in the highlight colours even while the list has no focus (the
// list view's own grey is hard to see). True when the notice was that
// list's custom draw; answer is then the window's reply.
bool DrawSelectionHighlighted(const NMHDR& header, int listId, LRESULT& answer);

}  // namespace qv::ui::dialogs::win32
