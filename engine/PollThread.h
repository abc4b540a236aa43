#pragma once
// The one background thread that does all the engine's work, and the
// lock-free handshake through which the window side starts, stops, pauses
// and resumes it. Every flag has one writer.
#include <atomic>
#include <thread>

#include "engine/DeviceOutage.h"
#include "engine/DeviceValues.h"
#include "engine/ShownState.h"

namespace qv {

extern std::atomic<bool> Running;           // start polling sets, the thread's end clears
extern std::atomic<bool> TerminateRequest;  // stop polling
extern std::atomic<bool> ResyncRequest;     // recompute every Synced at the next start
extern std::atomic<bool> PauseRequest;      // our own window is active: go quiet
extern std::atomic<bool> Suspended;         // the thread is quiet
extern std::atomic<bool> ExitRequest;       // the program ends: queued steps are dropped

// The body of the poll thread, one step at a time, so that a test can drive
// exactly the cycle the thread runs.
class TPollLoop {
 public:
  void Begin();  // synchronise and, when active, re-enter silently
  void Cycle();  // wait for something to do, then one active or quiet cycle
  void End();    // release everything

 private:
  void WaitForWork();
  int32_t MsUntilDue(uint32_t now, bool quiet) const;
  void Took(bool valid, uint32_t now);
  void CheckSignal(bool valid);
  void RepaintWhenDue(bool quiet, uint32_t now);
  void ReEnter();
  void Release();

  TDeviceOutage outage_;
  TShownState reading_;  // after the last reading
  TShownState shown_;    // when the list was last asked to repaint
  uint32_t readAt_ = 0;
  uint32_t repaintedAt_ = 0;
  bool readOk_ = true;
  bool changed_ = true;     // the last reading changed something the list shows
  bool signalled_ = false;  // a wake came that no reading has answered yet
  bool announced_ = true;   // the reading under way was signalled or due
  TDeviceValues values_;    // after the last reading
};

class TPollThread {
 public:
  TPollThread();
  ~TPollThread();
  TPollThread(const TPollThread&) = delete;
  TPollThread& operator=(const TPollThread&) = delete;
  void WaitFor();

 private:
  void Execute();
  std::thread thread_;
};

void StartPolling();
// Queued steps finish first.
void StopPolling();
// The program ends: queued steps are dropped, held keys go up.
void ExitPolling();
void SetInitialPositions();
// Returns once the thread has released every held key (or is not running).
void Pause();
void Resume();

// Held keys go up without release taps; run-time state starts over.
void ReleaseEverything();
// Run-time state starts over and held keys go down again, without taps; only
// the levers moved since the release are stepped to where they now stand.
void ReEnterSilently();

}  // namespace qv
