#pragma once
// fmHatPosSettings: the keys of one hat direction; fmButtonSettings: those of
// one button and its park state. Polling is stopped while either is open,
// and only OK writes into the profile.
#include <windows.h>

#include <span>
#include <string_view>

#include "engine/Profile.h"
#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/f_Button.h"

namespace qv::ui::dialogs::win32 {

class TfmHatPosSettings : public TModalDialog {
 public:
  TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  void Execute(HWND owner, TKeyEvents& events);

 protected:
  TfmHatPosSettings(int templateId, std::string_view formName, std::span<const TControlText> texts,
                    TfmAskKey& askKey, TfmSysCmd& sysCmd);
  // Loaded logic in hand: shows the window, and stores on OK.
  void Open(HWND owner);
  void OnInit() override;

  TKeySettings logic_;

 private:
  TfrButton keys_;
};

class TfmButtonSettings final : public TfmHatPosSettings {
 public:
  TfmButtonSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd);
  void Execute(HWND owner, TProfileButton& button);

 private:
  void OnInit() override;
  void OnOk() override;
};

}  // namespace qv::ui::dialogs::win32
