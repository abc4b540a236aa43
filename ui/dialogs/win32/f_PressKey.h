#pragma once
// TfrPressKey: one key action in a key window, a child dialog of it: the
// action's text on a button that captures a key, a picture button for the
// command list, one that clears the action, and the repeat count. It edits
// the working copy its logic holds.
#include <windows.h>

#include <functional>

#include "lang/Component.h"
#include "ui/dialogs/PressKeyFrame.h"
#include "ui/dialogs/win32/ChildDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfmAskKey;
class TfmSysCmd;

class TfrPressKey final : public TChildDialog {
 public:
  TfrPressKey(TfmAskKey& askKey, TfmSysCmd& sysCmd, TPressKeyFrame& logic);
  ~TfrPressKey() override;

  // Made in the place of the window's placeholder control, with the texts
  // of part, showing the working copy. showRepeat false hides the count.
  void Create(HWND window, int placeholderId, const lang::TComponent& part, bool showRepeat);
  // Heard each time the frame shows its working copy, a new key included.
  std::function<void()> OnShow;

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  void Show();

  TfmAskKey& askKey_;
  TfmSysCmd& sysCmd_;
  TPressKeyFrame& logic_;
  TSpinEdit repeat_;
  HBITMAP techPicture_ = nullptr;
  HBITMAP deletePicture_ = nullptr;
  HBITMAP disabledDeletePicture_ = nullptr;
};

}  // namespace qv::ui::dialogs::win32
