#include "engine/StepTaps.h"

#include <algorithm>

#include "engine/KeyOutput.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"

namespace qv {
namespace {

struct TLeverTiming {
  bool Own = false;  // the lever has its own hold, gap or gates
  uint32_t Hold = 0;
  uint32_t Gap = 0;
};

TLeverTiming LeverTiming(const TProfileAxis& axis) {
  TLeverTiming t;
  const int32_t hold = std::clamp(axis.StepHold, 0, MaxStepHoldMs);
  const int32_t gap = std::clamp(axis.StepGap, 0, MaxStepHoldMs);
  t.Hold = static_cast<uint32_t>(hold);
  // Taps that touch would read as one long press.
  t.Gap = static_cast<uint32_t>(gap > 0 ? gap : hold);
  t.Own = hold > 0 || gap > 0;
  for (int32_t p = 1; p <= std::min(axis.PosCount, MaxPositions) && !t.Own; ++p)
    t.Own = axis.Positions[static_cast<size_t>(p - 1)].GateHold > 0;
  return t;
}

}  // namespace

int32_t GateAt(const TProfileAxis& axis, int64_t notch) {
  int32_t gate = 0;
  for (int32_t p = 1; p <= std::min(axis.PosCount, MaxPositions); ++p) {
    const TAxisPosition& position = axis.Positions[static_cast<size_t>(p - 1)];
    if (position.UserIndex == notch) gate = std::max(gate, std::clamp(position.GateHold, 0, MaxGateHoldMs));
  }
  return gate;
}

void StepTaps(const TProfileAxis& axis, const TKeyAction& key, int8_t direction, int64_t start, int64_t steps,
              int64_t resync) {
  const int64_t total = steps + resync;
  const TLeverTiming timing = LeverTiming(axis);
  const bool keyTaps = key.SysCmd == 0 && !key.Empty();
  if (!keyTaps) {
    Tap(key, total);
    return;
  }
  if (!timing.Own && !CompatibilityInUse()) {
    // All at once, as always; still a step group, so that taps held back
    // behind another control's modifiers wait through a pause like any step.
    ScheduleStep(
        {{{0, TapBatch(key, TapTimes(key, total))}}, direction, std::clamp<int64_t>(steps, 0, total)});
    return;
  }
  const int64_t count = std::clamp<int64_t>(total, 0, MaxTapCount);
  const int64_t moves = std::min(steps, count);
  const int64_t perStep = TapTimes(key, 1);
  int64_t budget = TapTimes(key, count);
  for (int64_t s = CancelQueuedSteps(direction, moves); s < count && budget > 0; ++s) {
    TStepGroup step;
    const bool movesLever = s < moves;
    step.Direction = movesLever ? direction : 0;
    const int64_t times = std::min(perStep, budget);
    budget -= times;
    if (timing.Own) {
      const int64_t boundary = direction > 0 ? start + s : start - s - 1;
      const auto gate = static_cast<uint32_t>(movesLever ? GateAt(axis, boundary) : 0);
      for (int64_t i = 0; i < times; ++i) {
        for (TScheduled& r : TimedTaps(key, 1, {0, timing.Hold + gate, 0}))
          step.Records.push_back(std::move(r));
        if (timing.Gap > 0) step.Records.push_back({timing.Gap, {}});
      }
    } else {
      step.Records = TimedTaps(key, times, CompatibilityTiming());
    }
    ScheduleStep(std::move(step));
  }
}

}  // namespace qv
