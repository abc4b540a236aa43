#pragma once
// The joystick window's page of an analog axis: its neutral value (typed,
// set to an end or the centre, or taken from the live lever) and the zone
// around it.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "ui/dialogs/JoySettingsEditor.h"
#include "ui/dialogs/win32/ChildDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::ui::dialogs::win32 {

class TfrAnalogPage final : public TChildDialog {
 public:
  // live: the lever's value now.
  TfrAnalogPage(TJoySettingsEditor& logic, std::function<int32_t()> live);
  // The editor's shown axis onto the page, and back.
  void Show();
  void Take();

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;

  TJoySettingsEditor& logic_;
  std::function<int32_t()> live_;
  TSpinEdit neutral_, threshold_;
};

}  // namespace qv::ui::dialogs::win32
