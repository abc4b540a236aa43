#pragma once
// The Up and Down taps that move the simulator's lever, timed by the lever's
// own hold, gap and gates when it has them, by the compatibility pauses
// otherwise, and as plain taps when neither applies.
#include <cstdint>

#include "engine/KeyAction.h"

namespace qv {

struct TProfileAxis;

constexpr int32_t MaxStepHoldMs = 2000;
constexpr int32_t MaxGateHoldMs = 3000;

// steps taps of key from the simulator's notch start, one notch each in
// direction (+1 / -1), then resync taps (which may be negative: fewer taps)
// beyond the end. Queued steps of the other way cancel against the first ones.
void StepTaps(const TProfileAxis& axis, const TKeyAction& key, int8_t direction, int64_t start, int64_t steps,
              int64_t resync);

// The longest gate among the positions that put the boundary between the
// simulator's notches notch and notch + 1, bounded.
int32_t GateAt(const TProfileAxis& axis, int64_t notch);

}  // namespace qv
