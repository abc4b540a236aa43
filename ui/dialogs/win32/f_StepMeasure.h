#pragma once
// fmStepMeasure: the wizard that measures the shortest tap hold moving the
// simulator's lever one notch. Opened from fmAxisSettings while polling is
// stopped, it reads the controller itself and runs the measurement on a
// thread of its own, joined on every way out; the measurement's end releases
// every key it pressed. The holds are timed by a clock of a millisecond's
// step, not the engine's tick count, whose steps are as long as the
// differences between two holds.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <thread>

#include "engine/KeyAction.h"
#include "engine/win32/WinSeams.h"
#include "input/i_Joystick.h"
#include "ui/dialogs/MeasureWizard.h"
#include "ui/dialogs/StepMeasure.h"
#include "ui/dialogs/win32/ModalDialog.h"

namespace qv::ui::dialogs::win32 {

class TfmStepMeasure final : public TModalDialog {
 public:
  explicit TfmStepMeasure(input::TJoystick& joystick);
  // The measured hold, or nothing when the user cancelled or never answered.
  std::optional<int32_t> Execute(HWND owner, const TKeyAction& up, const TKeyAction& down);

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  void StartRun();
  void Stop();
  void Ended();
  void Show();

  input::TJoystick& joystick_;
  const TKeyAction* up_ = nullptr;
  const TKeyAction* down_ = nullptr;
  qv::win32::SystemClock clock_;
  std::optional<TStepMeasure> measure_;
  TMeasureProgress progress_;
  TFrontWatch front_;
  std::atomic<bool> cancel_{false};
  std::atomic<bool> running_{false};
  std::thread worker_;
  std::optional<int32_t> result_;
};

}  // namespace qv::ui::dialogs::win32
