#pragma once
// The one background thread that does all the engine's work, and the
// lock-free handshake through which the window side starts, stops, pauses
// and resumes it. Every flag has one writer.
#include <atomic>
#include <thread>

namespace qv {

extern std::atomic<bool> Running;           // start polling sets, the thread's end clears
extern std::atomic<bool> TerminateRequest;  // stop polling
extern std::atomic<bool> ResyncRequest;     // recompute every Synced at the next start
extern std::atomic<bool> PauseRequest;      // our own window is active: go quiet
extern std::atomic<bool> Suspended;         // the thread is quiet

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
void StopPolling();
void SetInitialPositions();
// Returns once the thread has released every held key (or is not running).
void Pause();
void Resume();

// Held keys go up without release taps; run-time state starts over.
void ReleaseEverything();
// Run-time state starts over and held keys go down again, without taps.
void ReEnterSilently();

}  // namespace qv
