#pragma once
// The joystick window's page of a lever with notches: the rest values taken
// from the live lever (a virtual list), deleting one or all, the numbering
// direction and the zone without a position.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "ui/dialogs/JoySettingsEditor.h"
#include "ui/dialogs/win32/ChildDialog.h"

namespace qv::ui::dialogs::win32 {

class TfrMultiposPage final : public TChildDialog {
 public:
  // live: the lever's value now; noise: the noise filter as typed.
  TfrMultiposPage(TJoySettingsEditor& logic, std::function<int32_t()> live, std::function<int32_t()> noise);
  // The editor's shown axis onto the page, and back.
  void Show();
  void Take();

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void ShowList(int32_t select);

  TJoySettingsEditor& logic_;
  std::function<int32_t()> live_, noise_;
  std::u16string lineText_;  // the virtual list's text of the line last asked for
};

}  // namespace qv::ui::dialogs::win32
