#pragma once
// The start-up's step times, for the one who wants to know where a slow
// start goes: written to the file that the environment variable
// QUORVEX_STARTUP_TIMES names. Without the variable nothing is written.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/StepTimes.h"

namespace qv::win32 {

class TStartUpTimer {
 public:
  TStartUpTimer();
  TStartUpTimer(const TStartUpTimer&) = delete;
  TStartUpTimer& operator=(const TStartUpTimer&) = delete;

  // The step named step has just ended.
  void Done(std::string_view step);
  // Done as a function for the steps that others take.
  std::function<void(std::string_view)> Teller() {
    return [this](std::string_view step) { Done(step); };
  }
  // Writes the steps done so far, once: the end of the start-up, or the
  // failure that cut it short.
  void Write();

 private:
  std::u16string file_;
  std::optional<TStepTimes> times_;
};

}  // namespace qv::win32
