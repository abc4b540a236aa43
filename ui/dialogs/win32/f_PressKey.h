#pragma once
// TfrPressKey: one key action in a key window, a child dialog of it (so Tab
// walks through its controls): the action's text on a button that captures
// a key, a picture button for the command list, one that clears the action,
// and the repeat count. It edits the working copy its logic holds.
#include <windows.h>

#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/PressKeyFrame.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfmAskKey;
class TfmSysCmd;

class TfrPressKey {
 public:
  TfrPressKey(TfmAskKey& askKey, TfmSysCmd& sysCmd, TPressKeyFrame& logic);
  ~TfrPressKey();
  TfrPressKey(const TfrPressKey&) = delete;
  TfrPressKey& operator=(const TfrPressKey&) = delete;

  // Made in the place of the window's placeholder control, in its Tab
  // position and with its id, showing the working copy. showRepeat false
  // hides the count.
  void Create(HWND window, int placeholderId, const TFrameHints& hints, bool showRepeat);
  HWND Handle() const { return frame_; }

 private:
  static INT_PTR CALLBACK Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);
  void Init(const TFrameHints& hints);
  void Command(int id, int code);
  void Show();

  TfmAskKey& askKey_;
  TfmSysCmd& sysCmd_;
  TPressKeyFrame& logic_;
  TSpinEdit repeat_;
  HWND frame_ = nullptr;
  const TFrameHints* hints_ = nullptr;  // during creation only
  HBITMAP techPicture_ = nullptr;
  HBITMAP deletePicture_ = nullptr;
  HBITMAP disabledDeletePicture_ = nullptr;
};

}  // namespace qv::ui::dialogs::win32
