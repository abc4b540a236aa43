#pragma once
// Following every control from state to state: entering and leaving key
// events, stepping levers, and holding controls out of action until the
// physical control matches the simulator's.
#include <cstdint>

#include "engine/KeyAction.h"

namespace qv {

struct TProfileAxis;

void EnterState(const TKeyEvents& events, bool taps);
void LeaveState(const TKeyEvents& events, bool taps);

// Reads, then evaluates axes, hats and buttons; true if anything changed
// state or became synchronised.
bool Evaluate(bool taps);
// The same on what the last read left.
bool EvaluateControls(bool taps);

// A position the axis has events for: 1 up to its position count.
bool IsPosition(const TProfileAxis& axis, int32_t p);
// Taps Up or Down as often as the simulator's lever must move from position
// from to position to, with the resync taps at the ends.
void StepLever(TProfileAxis& axis, int32_t from, int32_t to);
// The same from the simulator's notch start, wherever it is.
void StepLeverFrom(TProfileAxis& axis, int64_t start, int32_t to);

enum class TSyncMode { Full, Keep };
void Synchronise(TSyncMode mode);

void ParkAxis(int32_t index);
void ParkAllAxes();
void ParkAllButtons();
// After the run-time state was reset: buttons parked down enter their events
// again, as they did when they were parked.
void ReEnterParkedButtons();

}  // namespace qv
