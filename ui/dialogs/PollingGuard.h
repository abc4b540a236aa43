#pragma once
// A window that edits the profile or the settings holds polling stopped
// while it is open: the engine never reads tables that are being rewritten,
// and no sound command runs while the mixers are reopened. Polling starts
// again however the window ends (OK, Cancel, an error).
namespace qv::ui::dialogs {

class TPollingGuard {
 public:
  TPollingGuard();
  // Throws when polling cannot start again, unless an exception is already
  // on its way (that one is reported; the engine then stays stopped).
  ~TPollingGuard() noexcept(false);
  TPollingGuard(const TPollingGuard&) = delete;
  TPollingGuard& operator=(const TPollingGuard&) = delete;

 private:
  bool ran_;
};

}  // namespace qv::ui::dialogs
