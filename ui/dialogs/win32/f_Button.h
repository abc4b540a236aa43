#pragma once
// TfrButton: the three key frames of a key block, Press, Hold and Release in
// this order, each in the place the window's template keeps for it. A held
// key has no repeat count: Hold's is hidden, and its stored value stays.
#include <windows.h>

#include <array>

#include "lang/Component.h"
#include "ui/dialogs/PressKeyFrame.h"
#include "ui/dialogs/win32/f_PressKey.h"

namespace qv::ui::dialogs::win32 {

class TfrButton {
 public:
  TfrButton(TfmAskKey& askKey, TfmSysCmd& sysCmd, TButtonFrame& logic);
  // At the window's WM_INITDIALOG; form is the window's translated tree.
  void Create(HWND window, const lang::TComponent& form);

 private:
  std::array<TfrPressKey, 3> frames_;
  std::array<TFrameHints, 3> hints_;
};

}  // namespace qv::ui::dialogs::win32
