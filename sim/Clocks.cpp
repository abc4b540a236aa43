#include "sim/Clocks.h"

#include <chrono>
#include <thread>

namespace qv::sim {

void VirtualClock::Sleep(uint32_t ms) {
  sleeps_.fetch_add(1);
  now_.fetch_add(ms);
}

bool VirtualClock::Wait(WakeEvent& wake, uint32_t ms) {
  if (wake.Wait(0)) return true;
  now_.fetch_add(ms);
  return false;
}

uint32_t SteadyClock::Now() {
  const auto since = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SteadyClock::Sleep(uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

bool SignalOnlyClock::Wait(WakeEvent& wake, uint32_t ms) {
  if (ms <= limit_) return inner_.Wait(wake, ms);
  while (!wake.Wait(0xFFFFFFFFu)) {
  }
  return true;
}

}  // namespace qv::sim
