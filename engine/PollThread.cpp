#include "engine/PollThread.h"

#include <memory>

#include "engine/Evaluate.h"
#include "engine/Hooks.h"
#include "engine/KeyOutput.h"
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

namespace {

constexpr uint32_t ActiveSleepMs = 5;
constexpr uint32_t QuietSleepMs = 30;
constexpr int RepaintCycles = 5;

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

}  // namespace

TPollThread::TPollThread() : thread_([this] { Execute(); }) {}

TPollThread::~TPollThread() { WaitFor(); }

void TPollThread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

void TPollLoop::Begin() {
  Synchronise(ResyncRequest.load() ? TSyncMode::Full : TSyncMode::Keep);
  ResyncRequest.store(false);
  if (!Suspended.load()) ReEnter();
  countdown_ = RepaintCycles;
  repaintPending_ = false;
}

void TPollLoop::Cycle() {
  Clock& clock = *Seams().Time;
  // The number first: Pause sets the flag before it counts, so a number seen
  // here always comes with its flag.
  const uint32_t request = pauseRequestNumber.load();
  const bool pause = PauseRequest.load();
  if (Suspended.load()) {
    TakeShownState(reading_, ReadControls());
    // Our own window is in front: what it shows must be live, but an
    // unchanged list repainted every cycle only keeps the machine busy.
    if (reading_ != shown_) {
      RequestRepaint();
      shown_ = reading_;
    }
    clock.Sleep(QuietSleepMs);
    if (!pause) ReEnter();
    countdown_ = RepaintCycles;
    repaintPending_ = false;
  } else {
    // While the device is lost its held keys are up and nothing is evaluated.
    const bool valid = ReadControls();
    if (outage_.Follow(valid, clock.Now())) repaintPending_ = true;
    if (!outage_.KeysReleased() && EvaluateControls(true)) repaintPending_ = true;
    if (countdown_ >= 1) {
      --countdown_;
    } else if (repaintPending_) {
      if (MainWindowVisible()) {
        RequestRepaint();
        TakeShownState(shown_, valid);
      }
      repaintPending_ = false;
      countdown_ = RepaintCycles;
    }
    clock.Sleep(ActiveSleepMs);
    AutoRepeatTick();
    if (pause) Release();
  }
  Suspended.store(pause);
  pauseAcknowledged.store(request);
}

void TPollLoop::End() { Release(); }

void TPollLoop::ReEnter() {
  ReEnterSilently();
  outage_.Forget();
}

void TPollLoop::Release() {
  // Keys a lost device already let go of are not released twice.
  if (outage_.KeysReleased()) {
    ResetRunTimeState();
  } else {
    ReleaseEverything();
  }
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
    pollThread->WaitFor();
    TerminateRequest.store(false);
  }
  pollThread.reset();
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
  while (Running.load() && !(pauseAcknowledged.load() == request && Suspended.load()))
    std::this_thread::yield();
}

void Resume() { PauseRequest.store(false); }

void ReleaseEverything() {
  ReleaseHeldKeys();
  ResetRunTimeState();
}

void ReEnterSilently() {
  ResetRunTimeState();
  ReEnterParkedButtons();
  Evaluate(false);
}

}  // namespace qv
