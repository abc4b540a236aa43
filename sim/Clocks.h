#pragma once
// Two clocks for runs without the platform: a virtual one that moves only
// when someone sleeps, and the machine's steady clock.
#include <atomic>
#include <cstdint>

#include "engine/Seams.h"

namespace qv::sim {

class VirtualClock final : public Clock {
 public:
  explicit VirtualClock(uint32_t start = 0) : now_(start) {}
  uint32_t Now() override { return now_.load(); }
  void Sleep(uint32_t ms) override;
  // A signal already given ends the wait at once; otherwise the whole time passes.
  bool Wait(WakeEvent& wake, uint32_t ms) override;
  void Advance(uint32_t ms) { now_.fetch_add(ms); }
  int SleepCount() const { return sleeps_.load(); }

 private:
  std::atomic<uint32_t> now_;
  std::atomic<int> sleeps_{0};
};

class SteadyClock final : public Clock {
 public:
  uint32_t Now() override;
  void Sleep(uint32_t ms) override;
};

// Another clock's time, on which a wait longer than limit ms never times
// out: only a signal ends it. A thread that would have been woken only by a
// timeout then stays asleep, so a test sees a missing signal as a hang.
class SignalOnlyClock final : public Clock {
 public:
  SignalOnlyClock(Clock& inner, uint32_t limit) : inner_(inner), limit_(limit) {}
  uint32_t Now() override { return inner_.Now(); }
  void Sleep(uint32_t ms) override { inner_.Sleep(ms); }
  bool Wait(WakeEvent& wake, uint32_t ms) override;
  void HoldPrecision(bool on) override { inner_.HoldPrecision(on); }

 private:
  Clock& inner_;
  uint32_t limit_;
};

}  // namespace qv::sim
