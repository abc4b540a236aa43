#pragma once
// What the windows do with their controls, in one place: texts, combo and
// list box items and selections, check states, tabs, a virtual list's lines,
// and enabling or showing several controls at once.
#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>

namespace qv::ui::dialogs::win32 {

std::u16string Text(HWND control);
void SetText(HWND control, const std::u16string& text);

// The list anew, then the item at selected chosen (-1: none).
void SetItems(HWND combo, std::span<const std::u16string> items, int selected);
void Select(HWND combo, int index);
// The chosen item's position, -1 when none is.
int Selection(HWND combo);
// The same for a list box.
void SetLines(HWND list, std::span<const std::u16string> lines, int selected);
int SelectedLine(HWND list);

bool Checked(HWND button);
void Check(HWND button, bool checked);

// The tabs anew, one a caption; then the chosen tab and which it is.
void SetTabs(HWND tabs, std::span<const std::u16string> captions);
void ChooseTab(HWND tabs, int index);
int ChosenTab(HWND tabs);

// A virtual list view of count lines, with line select chosen (-1: none)
// and scrolled to; its lines are asked for again. The chosen line, -1 when none.
void ShowVirtualLines(HWND list, int count, int select);
int ChosenLine(HWND list);

void EnableControls(HWND window, std::initializer_list<int> ids, bool enabled);
void ShowControls(HWND window, std::initializer_list<int> ids, bool shown);
// Every control of window, those of its child windows included.
void EnableAllControls(HWND window, bool enabled);

// A tooltip with text for control, a child of owner. The tooltip window is
// made on the first call (pass null) and returned for the next ones; its
// owner's window destroys it. No text: no tool, and no window made for it.
HWND AddTooltip(HWND tooltips, HWND owner, HWND control, const std::u16string& text);
// For the window's WM_NOTIFY: draws the selected line of the list view with
// id listId in the highlight colours even while the list has no focus (the
// list view's own grey is hard to see). True when the notice was that
// list's custom draw; answer is then the window's reply.
bool DrawSelectionHighlighted(const NMHDR& header, int listId, LRESULT& answer);

}  // namespace qv::ui::dialogs::win32
