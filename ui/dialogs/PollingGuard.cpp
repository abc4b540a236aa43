#include "ui/dialogs/PollingGuard.h"

#include "engine/PollThread.h"

namespace qv::ui::dialogs {

TPollingGuard::TPollingGuard(TReport report) : report_(report), stopped_(Running.load()) {
  if (stopped_) StopPolling();
}

void TPollingGuard::Restart() {
  if (!stopped_) return;
  stopped_ = false;
  StartPolling();
}

TPollingGuard::~TPollingGuard() {
  try {
    Restart();
  } catch (...) {
    report_(std::current_exception());
  }
}

}  // namespace qv::ui::dialogs
