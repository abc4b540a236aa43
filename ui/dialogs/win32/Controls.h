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
void SetText(HWND control, const std::u16string& text);

}  // namespace qv::ui::dialogs::win32
