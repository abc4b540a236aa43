#pragma once
// What the poll thread sleeps on between readings: an auto-reset event that
// the device signals when its state changes and the window side signals when
// it asks something of the thread. Any number of signals before a wait wake
// it once; the thread then reads the whole state, so nothing is lost by that.
#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace qv {

class WakeEvent {
 public:
  virtual ~WakeEvent() = default;
  // Any thread.
  virtual void Signal() = 0;
  // Waits at most ms; true when signalled, and the signal is used up.
  virtual bool Wait(uint32_t ms) = 0;
  // The platform's event object behind it, for a device that signals it
  // itself; null when there is none.
  virtual void* NativeHandle() { return nullptr; }
};

// The same with the standard library, where no platform event is needed.
class TPortableWake final : public WakeEvent {
 public:
  void Signal() override;
  bool Wait(uint32_t ms) override;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool signalled_ = false;
};

}  // namespace qv
