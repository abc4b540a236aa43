#include "ui/dialogs/win32/f_StepMeasure.h"

#include "engine/Seams.h"
#include "lang/Lang.h"
#include "lang/SafeFormat.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {
namespace {

constexpr UINT_PTR RefreshTimer = 1;
constexpr UINT RefreshMs = 100;
// The measuring thread's word that it returned: waiting for an answer or ended.
constexpr UINT WM_MEASURE_ENDED = WM_APP + 1;
constexpr std::string_view Section = "fmStepMeasure";

}  // namespace

TfmStepMeasure::TfmStepMeasure(input::TJoystick& joystick)
    : TModalDialog(IDD_STEP_MEASURE, Section, StepMeasureTexts()), joystick_(joystick) {}

std::optional<int32_t> TfmStepMeasure::Execute(HWND owner, const TKeyAction& up, const TKeyAction& down) {
  up_ = &up;
  down_ = &down;
  result_.reset();
  Run(owner);
  return result_;
}

void TfmStepMeasure::OnInit() {
  front_ = {};
  progress_.Reset();
  SetTimer(Handle(), RefreshTimer, RefreshMs, nullptr);
  Show();
}

void TfmStepMeasure::StartRun() {
  if (worker_.joinable()) worker_.join();  // the last pass's thread, returned already
  cancel_.store(false);
  running_.store(true);
  worker_ = std::thread([this, window = Handle()] {
    Clock& clock = clock_;
    RunStepMeasure(
        *measure_, clock,
        [this, &clock] {
          progress_.Publish(*measure_, clock.Now());
          joystick_.Poll();
          return joystick_.AnyButtonDown();
        },
        cancel_);
    progress_.Publish(*measure_, clock.Now());
    running_.store(false);
    PostMessageW(window, WM_MEASURE_ENDED, 0, 0);
  });
}

// Every way out: the thread told to stop and joined, then the measurement
// dropped, which lets go of any key still down.
void TfmStepMeasure::Stop() {
  cancel_.store(true);
  if (worker_.joinable()) worker_.join();
  measure_.reset();
}

void TfmStepMeasure::Ended() {
  if (worker_.joinable()) worker_.join();
  if (measure_ && measure_->State() == TMeasureState::Done) {
    result_ = measure_->Result();
    EndDialog(Handle(), IDOK);
    return;
  }
  Show();
}

void TfmStepMeasure::Show() {
  const TMeasureStatus status = progress_.Status();
  const std::u16string text = lang::LangTranslate(Section, status.Text);
  SetText(Item(IDC_LB_STATUS), status.HasValue ? lang::SafeFormat(text, {int64_t(status.Value)}) : text);
  const TMeasureButtons buttons = ButtonsOf(measure_ ? &*measure_ : nullptr, running_.load());
  EnableControls(Handle(), {IDC_BT_START}, buttons.Start);
  EnableControls(Handle(), {IDC_BT_CONFIRM}, buttons.Confirm);
  EnableControls(Handle(), {IDC_BT_USE}, buttons.Use);
}

void TfmStepMeasure::OnCommand(int id, int code) {
  if (code != BN_CLICKED || running_.load()) return;
  if (id == IDC_BT_START && !measure_) {
    measure_.emplace(*up_, *down_, clock_.Now());
  } else if (id == IDC_BT_CONFIRM && measure_ && measure_->State() == TMeasureState::Found) {
    measure_->Confirm(clock_.Now());
  } else if (id == IDC_BT_USE && measure_ && measure_->State() == TMeasureState::Found) {
    measure_->Finish();
    return Ended();
  } else {
    return;
  }
  StartRun();
  Show();
}

bool TfmStepMeasure::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR&) {
  switch (message) {
    case WM_TIMER:
      if (wParam != RefreshTimer) return false;
      if (running_.load()) Show();
      return true;
    case WM_MEASURE_ENDED:
      Ended();
      return true;
    case WM_ACTIVATE:
      if (front_.Activated(LOWORD(wParam) != WA_INACTIVE, running_.load())) cancel_.store(true);
      return false;
    case WM_DESTROY:
      KillTimer(Handle(), RefreshTimer);
      Stop();
      return false;
    default:
      return false;
  }
}

}  // namespace qv::ui::dialogs::win32
