#pragma once
// The base of the key windows (a hat direction's, a button's, a lever
// position's keys): a key block's three key frames, Press, Hold and Release
// in this order, each in the place the window's template keeps for it, over
// a working copy of the block. A held key has no repeat count: Hold's is
// hidden, and its stored value stays. Polling is stopped while a key window
// is open, and only OK writes into the profile. fmHatPosSettings, a hat
// direction's keys, is the key window and nothing more.
#include <windows.h>

#include <array>
#include <functional>
#include <span>
#include <string_view>

#include "engine/Profile.h"
#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/f_PressKey.h"

namespace qv::ui::dialogs::win32 {

class TKeyWindow : public TModalDialog {
 protected:
  TKeyWindow(int templateId, std::string_view formName, std::span<const TControlText> texts,
             TfmAskKey& askKey, TfmSysCmd& sysCmd);
  // With polling stopped: load fills the logic, the window shows, OK stores.
  void Open(HWND owner, const std::function<void()>& load);
  void OnInit() override;

  TKeySettings logic_;

 private:
  std::array<TfrPressKey, 3> frames_;
};

class TfmHatPosSettings final : public TKeyWindow {
 public:
  TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  void Execute(HWND owner, TKeyEvents& events);
};

}  // namespace qv::ui::dialogs::win32
