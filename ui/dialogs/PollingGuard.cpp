#include "ui/dialogs/PollingGuard.h"

#include <exception>

#include "engine/PollThread.h"

namespace qv::ui::dialogs {

TPollingGuard::TPollingGuard() : ran_(Running.load()) {
  if (ran_) StopPolling();
}

TPollingGuard::~TPollingGuard() noexcept(false) {
  if (!ran_) return;
  if (std::uncaught_exceptions() == 0) {
    StartPolling();
    return;
  }
  try {
    StartPolling();
  } catch (...) {
    // The error already unwinding is the one the user hears about.
  }
}

}  // namespace qv::ui::dialogs
