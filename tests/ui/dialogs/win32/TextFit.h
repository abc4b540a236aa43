#pragma once
// Whether every text of a window fits the room its control gives it,
// measured with the control's own font whatever the system draws: a label's
// wrapped lines within its box, a button's caption within its face, a
// check box's beside its box, a group box's caption within its frame, and
// each item of a drop-down list within the closed list. Menus: each item's
// shortcut stands after a tab, so the shortcuts line up in their column.
#include <windows.h>

#include <string>
#include <vector>

namespace qv::test {

// One line per text that does not fit: the window, the text, the pixels it
// needs and those it has. Visible controls only, child frames included.
std::vector<std::string> TextsThatDoNotFit(HWND window);
// One line per menu item (popups included) whose shortcut is not after a tab.
std::vector<std::string> ShortcutsNotAfterATab(HMENU menu);

}  // namespace qv::test
