#pragma once
// The spin edit: an edit with an up-down buddy (template style
// UDS_AUTOBUDDY | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
// UDS_NOTHOUSANDS, the edit without ES_NUMBER so that a minus sign can be
// typed). A thin wrapper over the two controls of an open window.
//
// The value is read from the edit's text, not from the up-down: the user may
// type anything, and the up-down's position cannot hold a value outside its
// range. Without UDS_NOTHOUSANDS the up-down would write "32,767", which reads
// back as 32.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace qv::ui::dialogs::win32 {

class TSpinEdit {
 public:
  // At the window's WM_INITDIALOG; step is how far one click of an arrow
  // goes. Raises when the template's controls are not what is said above.
  void Attach(HWND window, int editId, int upDownId, int32_t min, int32_t max, int32_t step = 1);
  // Shows value, bounded to the range. No change notice: loading a stored
  // value is not an edit.
  void SetValue(int32_t value);
  // The edit's text as a number of the range; empty or no number: the minimum.
  int32_t Value() const;
  // Routes the window's WM_COMMAND: a change of the text that the user made
  // calls OnChange. True when the command was the edit's.
  bool Command(int id, int code) const;

  std::function<void()> OnChange;

 private:
  HWND edit_ = nullptr;
  HWND upDown_ = nullptr;
  int editId_ = 0;
  int32_t min_ = 0;
  int32_t max_ = 0;
  bool setting_ = false;
};

// Every spin edit of window and of its child frames that the user can reach
// (visible and enabled) holds a number of its up-down's range. The first
// that does not takes the focus with its text selected and a balloon naming
// the range (a message box where the edit cannot show one); then false, and
// the window stays open.
bool SpinEditsAccept(HWND window);

}  // namespace qv::ui::dialogs::win32
