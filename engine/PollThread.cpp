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
  if (!Suspended.load()) ReEnterSilently();
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
    if (!pause) ReEnterSilently();
    countdown_ = RepaintCycles;
    repaintPending_ = false;
  } else {
    if (Evaluate(true)) repaintPending_ = true;
    if (countdown_ >= 1) {
      --countdown_;
    } else if (repaintPending_) {
      if (MainWindowVisible()) RequestRepaint();
      repaintPending_ = false;
      countdown_ = RepaintCycles;
    }
    clock.Sleep(ActiveSleepMs);
    AutoRepeatTick();
    if (pause) ReleaseEverything();
  }
  Suspended.store(pause);
}

void TPollLoop::End() { ReleaseEverything(); }

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
  for (int k = 0; k < JoyAxisCount; ++k) {
    TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
    if (axis.LastPos >= 1 && axis.LastPos <= MaxPositions)
      LeaveState(axis.Position(axis.LastPos).Events, false);
  }
  for (int h = 0; h < JoyHatCount; ++h) {
    const TProfileHat& hat = ProfileHats[static_cast<size_t>(h)];
    if (hat.LastDir >= 0 && hat.LastDir < HatDirections)
      LeaveState(hat.Directions[static_cast<size_t>(hat.LastDir)], false);
  }
  for (int b = 0; b < JoyButtonCount; ++b) {
    if (ButtonLastState[static_cast<size_t>(b)] != 0)
      LeaveState(ProfileButtons[static_cast<size_t>(b)].Events, false);
  }
  ResetRunTimeState();
}

void ReEnterSilently() {
  ResetRunTimeState();
  ReEnterParkedButtons();
  Evaluate(false);
}

}  // namespace qv
