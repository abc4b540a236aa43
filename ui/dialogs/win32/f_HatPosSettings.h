#pragma once
// fmHatPosSettings: the keys of one hat direction.
#include <windows.h>

#include "engine/Profile.h"
#include "ui/dialogs/win32/KeyWindow.h"

namespace qv::ui::dialogs::win32 {

class TfmHatPosSettings final : public TKeyWindow {
 public:
  TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  void Execute(HWND owner, TKeyEvents& events);
};

}  // namespace qv::ui::dialogs::win32
