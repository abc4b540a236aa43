#pragma once
// The "Measure" wizard of fmAxisSettings, without its window: it finds the
// shortest hold of a step tap that moves the simulator's lever by one notch.
// After a countdown (the user brings the simulator to the front) it taps the
// axis's Up key with a growing hold, each tap undone by the same hold on
// Down, until the user presses any controller button to say "it moved"; the
// hold of the tap before that press, as it was really held and rounded up to
// 5 ms, is the answer for StepHold (and StepGap). An optional second pass
// taps from that value down until a button says "that one did not move".
//
// The window stops polling while the wizard runs, reads the controller itself
// and calls RunStepMeasure on a thread of its own; clicking the program's
// window sets the cancel flag. Keys go out through the engine's keyboard seam
// and time comes from the clock it is given, so the steps run on a virtual
// clock in tests. Every record of a tap carries the clock's time of its
// sending, so a receiver that times key messages sees the hold measured here.
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/KeyAction.h"
#include "engine/Seams.h"

namespace qv::ui::dialogs {

enum class TMeasureState {
  Countdown,   // the simulator is brought to the front
  Searching,   // holds growing until a button says "it moved"
  Found,       // Result() is the first pass's answer: Confirm() or Finish()
  Confirming,  // holds shrinking until a button says "it did not move"
  Done,        // Result() is the value to store
  Cancelled,   // the program's window was clicked: nothing is stored
  TimedOut,    // no answer within AnswerTimeoutMs: nothing is stored
};

class TStepMeasure {
 public:
  static constexpr uint32_t CountdownMs = 5000;
  static constexpr int32_t FirstHoldMs = 20;
  static constexpr int32_t HoldStepMs = 5;
  static constexpr uint32_t TapPeriodMs = 1500;
  // The undoing Down tap starts this long after its Up tap, so the simulator
  // sees two presses; every hold a pass reaches in its time is far shorter.
  static constexpr uint32_t UndoAfterMs = 750;
  static constexpr uint32_t AnswerTimeoutMs = 60000;
  static constexpr int32_t MaxResultMs = 2000;  // the range of StepHold

  // Both must be keys (not empty, not system commands).
  static bool Measurable(const TKeyAction& up, const TKeyAction& down);

  // The countdown starts at now.
  TStepMeasure(const TKeyAction& up, const TKeyAction& down, uint32_t now);
  // Whatever ended it, no key stays down.
  ~TStepMeasure();
  TStepMeasure(const TStepMeasure&) = delete;
  TStepMeasure& operator=(const TStepMeasure&) = delete;

  // Reads a fresh press of any button as the answer, then sends every key
  // record that is due. Called every few milliseconds while Running().
  void Update(uint32_t now, bool anyButtonDown);
  // Milliseconds until the next record is due; -1 when none is scheduled.
  int32_t DueIn(uint32_t now) const;
  // The program's window was clicked: every key goes up at once.
  void Cancel();
  // From Found: the second pass, after a countdown of its own.
  void Confirm(uint32_t now);
  // From Found: the first pass's answer stands.
  void Finish();

  TMeasureState State() const { return state_; }
  bool Running() const;
  int32_t Result() const { return result_; }
  // The hold of the tap being sent, for the window to show.
  int32_t CurrentHold() const { return hold_; }

 private:
  enum class TStep { UpDown, UpUp, DownDown, DownUp, Idle };
  void StartPass(uint32_t now);
  void Answer();
  void EndPass();
  void End(TMeasureState state);
  uint32_t DueAt() const;
  // time: the stamp of the records (the moment they are due); 0 lets the
  // system stamp them, for the keys let go when the wizard is cut short.
  void Press(const TKeyAction& key, uint32_t time);
  void Release(uint32_t time);
  void Send(std::vector<TKeyInput>& records, uint32_t time);

  TKeyAction up_;
  TKeyAction down_;
  TMeasureState state_ = TMeasureState::Countdown;
  TMeasureState nextPass_ = TMeasureState::Searching;
  uint32_t countdownEnd_;
  uint32_t passStart_ = 0;
  uint32_t tapStart_ = 0;
  uint32_t pressedAt_ = 0;  // when the key now held (or last held) went down
  TStep step_ = TStep::UpDown;
  int32_t hold_ = FirstHoldMs;
  int32_t taps_ = 0;        // Up taps sent in this pass
  int32_t lastHeldMs_ = 0;  // how long the last Up tap was really held
  bool answered_ = false;
  bool buttonWasDown_ = true;  // a button held when the wizard starts is no answer
  const TKeyAction* held_ = nullptr;
  int32_t result_ = 0;
};

// Runs the wizard from where it stands until it waits for the user (Found)
// or has ended, reading the buttons every ButtonPollMs, with the clock's
// precision held meanwhile.
constexpr uint32_t ButtonPollMs = 5;
void RunStepMeasure(TStepMeasure& measure, Clock& clock, const std::function<bool()>& anyButtonDown,
                    const std::atomic<bool>& cancel);

}  // namespace qv::ui::dialogs
