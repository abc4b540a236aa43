#pragma once
// fmStepMeasure's rules around the measurement (TStepMeasure): the status
// line for each state, which buttons can be pressed, when the window coming
// to the front again cancels, and the hold it hands to fmAxisSettings. The
// measurement runs on a thread of its own that publishes its state here;
// the window shows what was published and touches the measurement itself
// only while that thread is not running.
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/StepMeasure.h"

namespace qv::ui::dialogs {

// The status line: a text of the window's section, with Value for its %d
// (seconds left, or a hold in ms) when HasValue.
struct TMeasureStatus {
  std::string_view Text;
  int32_t Value = 0;
  bool HasValue = false;
};

// Before the start, the instruction alone stands.
TMeasureStatus StatusOf(std::optional<TMeasureState> state, int32_t hold, int32_t result, int32_t dueInMs);

struct TMeasureButtons {
  bool Start = false;    // before the first countdown only
  bool Confirm = false;  // Found: the second pass
  bool Use = false;      // Found: the first pass's answer stands
};
// measure: null before the start; running: its thread has not returned.
TMeasureButtons ButtonsOf(const TStepMeasure* measure, bool running);

// What the measuring thread tells the window, in atomics both may touch.
class TMeasureProgress {
 public:
  void Publish(const TStepMeasure& measure, uint32_t now);
  // Back to before the start, for the next opening.
  void Reset() { state_.store(-1); }
  TMeasureStatus Status() const;

 private:
  std::atomic<int32_t> state_{-1};
  std::atomic<int32_t> hold_{0};
  std::atomic<int32_t> result_{0};
  std::atomic<int32_t> dueIn_{0};
};

// The window's activation while the taps run: back in front after the
// simulator had it means the user clicked the program, which cancels.
class TFrontWatch {
 public:
  // True when this activation cancels the measurement.
  bool Activated(bool active, bool running);

 private:
  bool left_ = false;
};

std::span<const TControlText> StepMeasureTexts();

}  // namespace qv::ui::dialogs
