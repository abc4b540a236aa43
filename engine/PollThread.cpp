#include "engine/PollThread.h"

#include <memory>

#include "engine/Evaluate.h"
#include "engine/Hooks.h"
#include "engine/KeyOutput.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
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

void RequestRepaint() {
  if (EngineHooks.Repaint) EngineHooks.Repaint();
}

bool MainWindowVisible() { return EngineHooks.MainWindowVisible && EngineHooks.MainWindowVisible(); }

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
  const bool pause = PauseRequest.load();
  if (Suspended.load()) {
    ReadControls();
    RequestRepaint();
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
      if (MainWindowVisible()) RequestRepaint();
      repaintPending_ = false;
      countdown_ = RepaintCycles;
    }
    clock.Sleep(ActiveSleepMs);
    AutoRepeatTick();
    if (pause) Release();
  }
  Suspended.store(pause);
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
  Clock& clock = *Seams().Time;
  clock.HoldPrecision(true);
  TPollLoop loop;
  loop.Begin();
  while (!TerminateRequest.load()) loop.Cycle();
  loop.End();
  clock.HoldPrecision(false);
  Running.store(false);
}

void StartPolling() {
  if (Running.load()) return;
  pollThread.reset();
  Running.store(true);
  RebuildTrackers();
  if (EngineHooks.RebuildList) EngineHooks.RebuildList();
  pollThread = std::make_unique<TPollThread>();
}

void StopPolling() {
  if (Running.load()) {
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
  PauseRequest.store(true);
  while (!Suspended.load() && Running.load()) std::this_thread::yield();
}

void Resume() { PauseRequest.store(false); }

void ReleaseEverything() {
  ReleaseHeldKeys();
  ResetRunTimeState();
}

void ReEnterSilently() {
  ResetRunTimeState();
  Evaluate(false);
}

}  // namespace qv
