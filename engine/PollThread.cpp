#include "engine/PollThread.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "engine/CatchUp.h"
#include "engine/Evaluate.h"
#include "engine/Hooks.h"
#include "engine/KeyOutput.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
#include "engine/ShownState.h"
#include "engine/Tracker.h"

namespace qv {

std::atomic<bool> Running{false};
std::atomic<bool> TerminateRequest{false};
std::atomic<bool> ResyncRequest{true};
std::atomic<bool> PauseRequest{false};
std::atomic<bool> Suspended{false};
std::atomic<bool> ExitRequest{false};

namespace {

// A device that cannot signal, or has stopped answering, is read on these
// periods. One that signals is read as soon as it does, except after a
// reading that changed nothing: then it too waits the active period, so a
// jittering axis costs no more than polling.
constexpr int32_t ReadPeriodMs = 5;
constexpr int32_t QuietReadPeriodMs = 30;
constexpr int32_t RepaintPeriodMs = 30;
// A device that stops signalling still goes unread no longer than this.
constexpr int32_t FallbackReadMs = 1000;
// An unplugged device need not signal that it is gone: while a key is held
// down it is read this often, so that the key goes up soon after the device
// stops answering, repeating or not.
constexpr int32_t HeldKeyReadMs = 100;

// Owned by the window side; a finished thread is joined and freed by the next stop or start.
std::unique_ptr<TPollThread> pollThread;

// The pause handshake: Pause numbers its request, and the thread echoes the
// number it saw together with the pause flag at the end of the cycle that
// acted on it, so an acknowledgement left over from an earlier pause is
// never taken for this one.
std::atomic<uint32_t> pauseRequestNumber{0};
std::atomic<uint32_t> pauseAcknowledged{0};

// Stop polling and pause wait for the poll thread: called from one of its
// own hooks they would wait for themselves.
thread_local bool onPollThread = false;

void RequestRepaint() { CallHook(EngineHooks.Repaint); }

bool MainWindowVisible() { return CallHook(EngineHooks.MainWindowVisible); }

void WakeThread() { Seams().Wake->Signal(); }

// Something the window side asked for and the thread has not answered yet.
bool WindowAsks() {
  return TerminateRequest.load() || PauseRequest.load() != Suspended.load() ||
         pauseRequestNumber.load() != pauseAcknowledged.load();
}

int32_t Elapsed(uint32_t now, uint32_t since) { return static_cast<int32_t>(now - since); }

// A change of its own (a replayed timeline) is due now: the device need not signal it.
bool DeviceChangeDue() { return EngineHooks.DeviceDueIn && CallHook(EngineHooks.DeviceDueIn) == 0; }

}  // namespace

TPollThread::TPollThread() : thread_([this] { Execute(); }) {}

TPollThread::~TPollThread() { WaitFor(); }

void TPollThread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

void TPollLoop::Begin() {
  if (ResyncRequest.load()) ForgetSimulatorLevers();
  Synchronise(ResyncRequest.load() ? TSyncMode::Full : TSyncMode::Keep);
  ResyncRequest.store(false);
  if (!Suspended.load()) ReEnter();
  // The first cycle reads at once, and the first change it sees is painted at once.
  const uint32_t now = Seams().Time->Now();
  readAt_ = now;
  repaintedAt_ = now - RepaintPeriodMs;
  signalled_ = true;
  changed_ = true;
}

void TPollLoop::Cycle() {
  WaitForWork();
  if (TerminateRequest.load()) return;
  Clock& clock = *Seams().Time;
  // The number first: Pause sets the flag before it counts, so a number seen
  // here always comes with its flag.
  const uint32_t request = pauseRequestNumber.load();
  const bool pause = PauseRequest.load();
  // From here on a signal asks for another reading.
  announced_ = std::exchange(signalled_, false) || DeviceChangeDue();
  if (Suspended.load()) {
    Took(ReadControls(), clock.Now());
    RepaintWhenDue(true, clock.Now());
    if (!pause) ReEnter();
  } else {
    // A key record due now goes out first: reading and evaluating take time
    // that a tap's hold would gain.
    ServeSchedule();
    // While the device is lost its held keys are up and nothing is evaluated.
    const bool valid = ReadControls();
    outage_.Follow(valid, clock.Now());
    if (!outage_.KeysReleased()) EvaluateControls(true);
    Took(valid, clock.Now());
    RepaintWhenDue(false, clock.Now());
    ServeSchedule();
    AutoRepeatTick();
    if (pause) Release();
  }
  Suspended.store(pause);
  pauseAcknowledged.store(request);
}

void TPollLoop::WaitForWork() {
  Clock& clock = *Seams().Time;
  WakeEvent& wake = *Seams().Wake;
  for (;;) {
    if (WindowAsks()) return;
    const uint32_t now = clock.Now();
    const bool quiet = Suspended.load();
    const int32_t due = MsUntilDue(now, quiet);
    if (due <= 0) return;
    const auto ms = static_cast<uint32_t>(due);
    const bool keyDue = !quiet && ScheduleDueIn(now) == due;
    if (keyDue ? clock.WaitPrecisely(wake, ms) : clock.Wait(wake, ms)) signalled_ = true;
  }
}

int32_t TPollLoop::MsUntilDue(uint32_t now, bool quiet) const {
  const int32_t since = Elapsed(now, readAt_);
  int32_t due = FallbackReadMs - since;
  const auto sooner = [&due](int32_t ms) {
    if (ms >= 0 && ms < due) due = ms;
  };
  if (!readOk_ || !CallHook(EngineHooks.DeviceSignals))
    sooner(std::max(0, (quiet ? QuietReadPeriodMs : ReadPeriodMs) - since));
  if (signalled_) sooner(changed_ ? 0 : std::max(0, ReadPeriodMs - since));
  if (EngineHooks.DeviceDueIn) sooner(CallHook(EngineHooks.DeviceDueIn));
  if (!quiet) sooner(AutoRepeatDueIn(now));
  if (!quiet) sooner(ScheduleDueIn(now));
  if (!quiet && !outage_.KeysReleased() && AnyKeyHeld()) sooner(std::max(0, HeldKeyReadMs - since));
  if (reading_ != shown_) sooner(std::max(0, RepaintPeriodMs - Elapsed(now, repaintedAt_)));
  return due;
}

void TPollLoop::Took(bool valid, uint32_t now) {
  TShownState taken;
  TakeShownState(taken, valid);
  changed_ = taken != reading_;
  reading_ = taken;
  CheckSignal(valid);
  readAt_ = now;
  readOk_ = valid;
}

// Some drivers accept the change signal and give it late or never; every
// change would then wait for the fallback reading. A reading that nothing
// announced and that finds the values changed (with no signal waiting even
// now) unmasks such a device: from then on it is polled, as one that
// refuses the signal is.
void TPollLoop::CheckSignal(bool valid) {
  TDeviceValues taken;
  if (valid) TakeDeviceValues(taken);
  const bool changed = valid && readOk_ && taken != values_;
  if (valid) values_ = taken;
  if (!changed || announced_ || !CallHook(EngineHooks.DeviceSignals)) return;
  if (Seams().Wake->Wait(0)) {
    signalled_ = true;
    return;
  }
  CallHook(EngineHooks.DeviceSignalMissed);
}

// At most one repaint per period, and only for something the list shows;
// a hidden list is painted afresh when it is shown, so it is owed nothing.
void TPollLoop::RepaintWhenDue(bool quiet, uint32_t now) {
  if (reading_ == shown_) return;
  if (!quiet && !MainWindowVisible()) {
    shown_ = reading_;
    return;
  }
  if (Elapsed(now, repaintedAt_) < RepaintPeriodMs) return;
  RequestRepaint();
  repaintedAt_ = now;
  shown_ = reading_;
}

void TPollLoop::End() {
  // Stopping to change settings lets the queued steps finish, so that the
  // simulator's lever stays in step; leaving the program does not wait.
  // While our own window is active they cannot go out at all.
  if (!Suspended.load() && !ExitRequest.load()) DrainSchedule();
  Release();
  // Steps that never went out left the simulator's lever short of where we
  // kept it: the catch-up starts from where it really stands.
  RewindSimulatorLevers();
  SettleSchedule(TSettle::Drop);
}

void TPollLoop::ReEnter() {
  // The steps queued when we went quiet go out before the catch-up steps.
  FreezeSteps(false);
  ReEnterSilently();
  ServeSchedule();
  outage_.Forget();
}

void TPollLoop::Release() {
  RememberSimulatorLevers();
  // A tap under way lets go at once; steps not begun wait for the resume.
  SettleSchedule(TSettle::Cut);
  FreezeSteps(true);
  // Keys a lost device already let go of are not released twice.
  if (outage_.KeysReleased()) {
    ResetRunTimeState();
  } else {
    ReleaseEverything();
  }
  // The modifiers of released holds go up now, not after the shift pause.
  SettleSchedule(TSettle::Cut);
  outage_.Forget();
}

void TPollThread::Execute() {
  onPollThread = true;
  Clock& clock = *Seams().Time;
  clock.HoldPrecision(true);
  TPollLoop loop;
  // Hooks catch their own failures; anything else thrown drops the step it
  // came from, and the thread goes on (or, at the end, still finishes).
  const auto step = [](auto&& action) {
    try {
      action();
    } catch (...) {
    }
  };
  step([&] { loop.Begin(); });
  while (!TerminateRequest.load()) step([&] { loop.Cycle(); });
  step([&] { loop.End(); });
  clock.HoldPrecision(false);
  Running.store(false);
}

void StartPolling() {
  if (Running.load()) return;
  pollThread.reset();
  Running.store(true);
  try {
    RebuildTrackers();
    if (EngineHooks.RebuildList) EngineHooks.RebuildList();
    pollThread = std::make_unique<TPollThread>();
  } catch (...) {
    // No thread will ever clear it: a failed start leaves the engine stopped.
    Running.store(false);
    throw;
  }
}

void StopPolling() {
  if (onPollThread) return;
  if (Running.load() && pollThread) {
    TerminateRequest.store(true);
    WakeThread();
    pollThread->WaitFor();
    TerminateRequest.store(false);
  }
  pollThread.reset();
}

void ExitPolling() {
  ExitRequest.store(true);
  StopPolling();
  ExitRequest.store(false);
}

void SetInitialPositions() {
  StopPolling();
  ResyncRequest.store(true);
  StartPolling();
}

void Pause() {
  if (onPollThread) return;
  PauseRequest.store(true);
  const uint32_t request = pauseRequestNumber.fetch_add(1) + 1;
  WakeThread();
  while (Running.load() && !(pauseAcknowledged.load() == request && Suspended.load()))
    std::this_thread::yield();
}

void Resume() {
  PauseRequest.store(false);
  WakeThread();
}

void ReleaseEverything() {
  ReleaseHeldKeys();
  ResetRunTimeState();
}

void ReEnterSilently() {
  ResetRunTimeState();
  ReadControls();
  // Before any key goes down again, so that no held modifier reaches a step.
  CatchUpSimulatorLevers();
  ReEnterParkedButtons();
  EvaluateControls(false);
}

}  // namespace qv
