#pragma once
// fmButtonSettings: the keys of one button and its park state.
#include <windows.h>

#include "engine/Profile.h"
#include "ui/dialogs/win32/KeyWindow.h"

namespace qv::ui::dialogs::win32 {

class TfmButtonSettings final : public TKeyWindow {
 public:
  TfmButtonSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  void Execute(HWND owner, TProfileButton& button);

 private:
  void OnInit() override;
  void OnOk() override;
};

}  // namespace qv::ui::dialogs::win32
