#include "ui/dialogs/StepMeasure.h"

#include <algorithm>
#include <vector>

#include "engine/KeyOutput.h"

namespace qv::ui::dialogs {
namespace {

bool Reached(uint32_t now, uint32_t due) { return static_cast<int32_t>(now - due) >= 0; }

int32_t RoundedUp(int32_t ms) {
  const int32_t step = TStepMeasure::HoldStepMs;
  return std::clamp((ms + step - 1) / step * step, 0, TStepMeasure::MaxResultMs);
}

}  // namespace

bool TStepMeasure::Measurable(const TKeyAction& up, const TKeyAction& down) {
  return !up.Empty() && !down.Empty() && up.SysCmd == 0 && down.SysCmd == 0;
}

TStepMeasure::TStepMeasure(const TKeyAction& up, const TKeyAction& down, uint32_t now)
    : up_(up), down_(down), countdownEnd_(now + CountdownMs) {}

TStepMeasure::~TStepMeasure() { Release(0); }

bool TStepMeasure::Running() const {
  return state_ == TMeasureState::Countdown || state_ == TMeasureState::Searching ||
         state_ == TMeasureState::Confirming;
}

void TStepMeasure::Update(uint32_t now, bool anyButtonDown) {
  if (!Running()) return;
  const bool fresh = anyButtonDown && !buttonWasDown_;
  buttonWasDown_ = anyButtonDown;
  if (state_ == TMeasureState::Countdown) {
    // A press during the countdown answers nothing: no tap has gone out yet.
    if (!Reached(now, countdownEnd_)) return;
    StartPass(now);
  }
  // The button is read before the records due now, so a press seen together
  // with the next tap's time belongs to the tap before it.
  if (fresh && taps_ > 0 && !answered_) Answer();
  if (!Running()) return;
  if (!answered_ && Reached(now, passStart_ + AnswerTimeoutMs)) return End(TMeasureState::TimedOut);
  while (Running() && Reached(now, DueAt())) {
    switch (step_) {
      case TStep::UpDown:
        Press(up_, now);
        pressedAt_ = now;
        ++taps_;
        step_ = TStep::UpUp;
        break;
      case TStep::UpUp:
        Release(now);
        lastHeldMs_ = static_cast<int32_t>(now - pressedAt_);
        step_ = TStep::DownDown;
        break;
      case TStep::DownDown:
        Press(down_, now);
        pressedAt_ = now;
        step_ = TStep::DownUp;
        break;
      case TStep::DownUp:
        Release(now);
        step_ = TStep::Idle;
        if (answered_) EndPass();
        break;
      case TStep::Idle:
        // The confirming pass ends after its shortest hold: every tap moved.
        if (state_ == TMeasureState::Confirming && hold_ - HoldStepMs < FirstHoldMs) {
          EndPass();
          break;
        }
        hold_ += state_ == TMeasureState::Searching ? HoldStepMs : -HoldStepMs;
        tapStart_ += TapPeriodMs;
        step_ = TStep::UpDown;
        break;
    }
  }
}

uint32_t TStepMeasure::DueAt() const {
  const auto hold = static_cast<uint32_t>(hold_);
  switch (step_) {
    case TStep::UpDown:
      return tapStart_;
    case TStep::UpUp:
      return pressedAt_ + hold;
    case TStep::DownUp:
      // As long as the Up tap was really held: a late release that moved the
      // lever one notch more is undone too.
      return pressedAt_ + static_cast<uint32_t>(lastHeldMs_);
    case TStep::DownDown: {
      // Never sooner after the Up tap than its own hold, even on a late thread.
      const uint32_t released = pressedAt_ + static_cast<uint32_t>(lastHeldMs_);
      const uint32_t planned = tapStart_ + UndoAfterMs;
      return Reached(planned, released + hold) ? planned : released + hold;
    }
    case TStep::Idle:
      break;
  }
  return tapStart_ + TapPeriodMs;
}

int32_t TStepMeasure::DueIn(uint32_t now) const {
  if (!Running()) return -1;
  const uint32_t due = state_ == TMeasureState::Countdown ? countdownEnd_ : DueAt();
  return Reached(now, due) ? 0 : static_cast<int32_t>(due - now);
}

void TStepMeasure::StartPass(uint32_t now) {
  state_ = nextPass_;
  passStart_ = tapStart_ = now;
  step_ = TStep::UpDown;
  taps_ = 0;
  answered_ = false;
  hold_ = state_ == TMeasureState::Searching ? FirstHoldMs : result_;
}

void TStepMeasure::Answer() {
  answered_ = true;
  // The tap it answers is still being undone: the pass ends when that is done.
  if (step_ == TStep::UpDown || step_ == TStep::Idle) EndPass();
}

void TStepMeasure::EndPass() {
  if (state_ == TMeasureState::Searching) {
    result_ = RoundedUp(lastHeldMs_);
    state_ = TMeasureState::Found;
    return;
  }
  // Answered: the last tap did not move the lever, so one step more did.
  result_ = std::min(RoundedUp(lastHeldMs_) + (answered_ ? HoldStepMs : 0), MaxResultMs);
  state_ = TMeasureState::Done;
}

void TStepMeasure::End(TMeasureState state) {
  Release(0);
  state_ = state;
  result_ = 0;
}

void TStepMeasure::Cancel() {
  if (Running() || state_ == TMeasureState::Found) End(TMeasureState::Cancelled);
}

void TStepMeasure::Confirm(uint32_t now) {
  if (state_ != TMeasureState::Found) return;
  state_ = TMeasureState::Countdown;
  nextPass_ = TMeasureState::Confirming;
  countdownEnd_ = now + CountdownMs;
  buttonWasDown_ = true;
}

void TStepMeasure::Finish() {
  if (state_ == TMeasureState::Found) state_ = TMeasureState::Done;
}

void TStepMeasure::Press(const TKeyAction& key, uint32_t time) {
  std::vector<TKeyInput> records;
  for (int bit = 0; bit < ModifierCount; ++bit)
    if (key.Modifiers & (1u << bit)) records.push_back(ModifierKeyRecord(bit, false));
  records.push_back(KeyRecord(key, false));
  Send(records, time);
  held_ = &key;
}

void TStepMeasure::Release(uint32_t time) {
  if (held_ == nullptr) return;
  std::vector<TKeyInput> records{KeyRecord(*held_, true)};
  for (int bit = ModifierCount - 1; bit >= 0; --bit)
    if (held_->Modifiers & (1u << bit)) records.push_back(ModifierKeyRecord(bit, true));
  held_ = nullptr;
  Send(records, time);
}

void TStepMeasure::Send(std::vector<TKeyInput>& records, uint32_t time) {
  for (TKeyInput& record : records) record.Time = time;
  Seams().Keyboard->Send(records);
}

void RunStepMeasure(TStepMeasure& measure, Clock& clock, const std::function<bool()>& anyButtonDown,
                    const std::atomic<bool>& cancel) {
  // The holds are what is measured: short sleeps must really be short.
  struct TPrecision {
    Clock& held;
    explicit TPrecision(Clock& c) : held(c) { held.HoldPrecision(true); }
    ~TPrecision() { held.HoldPrecision(false); }
  } precision(clock);
  while (measure.Running()) {
    if (cancel.load()) return measure.Cancel();
    // The time last, read just before the records it stamps go out.
    const bool buttonDown = anyButtonDown();
    measure.Update(clock.Now(), buttonDown);
    const int32_t due = measure.DueIn(clock.Now());
    if (due > 0) clock.Sleep(std::min(static_cast<uint32_t>(due), ButtonPollMs));
  }
}

}  // namespace qv::ui::dialogs
