#pragma once
// Driving the settings windows under Wine as a user would, for every window
// test: by messages to control ids, with the notices the real controls send,
// and by real keys where key handling is the point. A modal window runs its
// own message loop, so a test hands its steps to DriveModal, which runs them
// from a timer inside that loop.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace qv::test {

// A click on a button, as the button reports it.
void Click(HWND window, int id);
// Chooses item index of a combo box and sends CBN_SELCHANGE as a user's
// choice does: CB_SETCURSEL alone sends nothing, and the window's handler
// would never run.
void Pick(HWND window, int id, int index);
// Replaces an edit's text as typing does (the edit reports EN_CHANGE).
void Type(HWND window, int id, const std::u16string& text);
// Chooses a tab control's page as a click on its tab reports it.
void ChooseTab(HWND window, int id, int page);
std::u16string TextOf(HWND control);
std::u16string TextOf(HWND window, int id);
std::vector<std::u16string> ItemsOf(HWND window, int comboId);
// Real key presses through SendInput, into the window in front.
void PressKeys(std::initializer_list<WORD> keys);
// One key going down or up; a key sent down again while down is its
// auto-repeat. The arrows and the other keys of the extended block go with
// the extended flag, as a keyboard sends them.
void KeyDown(WORD key);
void KeyUp(WORD key);

// The window's caption and its direct controls' texts that are still a
// component name, as a template carries them: texts nobody translated.
std::vector<std::string> UntranslatedControls(HWND window);

// The window of this thread that takes input now: a dialog or a message box
// (class "#32770"), visible and enabled; null when there is none.
HWND FrontDialog();
bool IsMessageBox(HWND window);
std::u16string MessageBoxText(HWND box);

using TStep = std::function<void(HWND front)>;
// Runs open, which shows a modal window and returns once it has closed; from
// inside its loop each step runs in turn, given the window in front at the
// time (a message box the previous step raised, say). The last step must
// close the window: when the steps leave something open, the test fails and
// the window is cancelled.
void DriveModal(const std::function<void()>& open, std::vector<TStep> steps);

}  // namespace qv::test
