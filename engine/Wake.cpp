#include "engine/Wake.h"

#include <chrono>
#include <utility>

namespace qv {

void TPortableWake::Signal() {
  {
    std::lock_guard lock(mutex_);
    signalled_ = true;
  }
  changed_.notify_one();
}

bool TPortableWake::Wait(uint32_t ms) {
  std::unique_lock lock(mutex_);
  // A look without a timed wait, which would cost a system call.
  if (ms == 0) return std::exchange(signalled_, false);
  const bool woken = changed_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return signalled_; });
  signalled_ = false;
  return woken;
}

}  // namespace qv
