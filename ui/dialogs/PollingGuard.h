#pragma once
// A window that edits the profile or the settings holds polling stopped
// while it is open: the engine never reads tables that are being rewritten,
// and no sound command runs while the mixers are reopened. Polling starts
// again however the window ends: by Restart on the way out, whose failure
// the caller hears as an error; failing that (an error on its way, an early
// return) by the destructor, which never throws and hands a failure of its
// own to report.
#include <exception>

namespace qv::ui::dialogs {

class TPollingGuard {
 public:
  // Where an error of the destructor's restart goes; it must not throw.
  using TReport = void (*)(const std::exception_ptr& error) noexcept;

  explicit TPollingGuard(TReport report);
  ~TPollingGuard();
  TPollingGuard(const TPollingGuard&) = delete;
  TPollingGuard& operator=(const TPollingGuard&) = delete;

  // Polling runs again if it ran when the guard was made; raises when it cannot.
  void Restart();

 private:
  TReport report_;
  bool stopped_;
};

}  // namespace qv::ui::dialogs
