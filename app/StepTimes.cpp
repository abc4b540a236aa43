#include "app/StepTimes.h"

#include <cstdio>

namespace qv {

void TStepTimes::Done(std::string_view step, double now) {
  steps_.push_back({std::string(step), now - last_, now - origin_});
  last_ = now;
}

std::string TStepTimes::Lines() const {
  std::string lines;
  for (const auto& step : steps_) {
    char times[48];
    std::snprintf(times, sizeof times, "\t%.1f\t%.1f\n", step.Took, step.End);
    lines += step.Name + times;
  }
  return lines;
}

}  // namespace qv
