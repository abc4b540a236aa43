#include "engine/Evaluate.h"

#include "engine/KeyOutput.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"
#include "engine/StepTaps.h"
#include "engine/Tracker.h"

namespace qv {
namespace {

int32_t LoadSlot(int32_t* slot) {
  return slot == nullptr ? 0 : std::atomic_ref<int32_t>(*slot).load(std::memory_order_relaxed);
}

bool EvaluateAxis(int k, bool taps) {
  TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
  const int32_t c = axis.CurrentPos;
  if (!axis.Synced) {
    if (c != axis.InitialPos) return false;
    // A parking command among this axis's own events unsynchronises it while
    // they are being entered; what was entered then must not stay down.
    if (IsPosition(axis, axis.LastPos) && axis.LastPos != c)
      LeaveState(axis.Position(axis.LastPos).Events, false);
    RtStore(axis.Synced, true);
    RtStore(axis.LastPos, c);
    return true;
  }
  if (c == axis.LastPos) return false;
  const int32_t last = axis.LastPos;
  if (IsPosition(axis, last)) {
    LeaveState(axis.Position(last).Events, taps);
    if (IsPosition(axis, c)) StepLever(axis, last, c);
  }
  if (IsPosition(axis, c)) EnterState(axis.Position(c).Events, taps);
  RtStore(axis.LastPos, c);
  return true;
}

bool EvaluateHat(int h, bool taps) {
  TProfileHat& hat = ProfileHats[static_cast<size_t>(h)];
  const uint8_t d = HatCurrentDir[static_cast<size_t>(h)];
  const int32_t dir = d == HatCentred ? -1 : d;
  if (dir == hat.LastDir) return false;
  if (hat.LastDir >= 0) LeaveState(hat.Directions[static_cast<size_t>(hat.LastDir)], taps);
  if (dir >= 0) EnterState(hat.Directions[static_cast<size_t>(dir)], taps);
  RtStore(hat.LastDir, dir);
  return true;
}

bool EvaluateButton(int b, bool taps) {
  TProfileButton& button = ProfileButtons[static_cast<size_t>(b)];
  int32_t& lastState = ButtonLastState[static_cast<size_t>(b)];
  const int32_t v = LoadSlot(JoyButtons[static_cast<size_t>(b)].Value);
  if (!button.Synced) {
    if ((v != 0) != (button.ParkPos == ppPress)) return false;
    // Entered events survive only where the button's state still says so.
    if (lastState != 0 && v == 0) LeaveState(button.Events, false);
    button.ParkedDown = false;
    RtStore(button.Synced, true);
    RtStore(lastState, v);
    return true;
  }
  if (v == lastState) return false;
  // The state always says what is entered, also when the button's own
  // events park it half-way: released before leaving, pressed after entering.
  if (lastState != 0) {
    RtStore(lastState, 0);
    LeaveState(button.Events, taps);
  }
  if (v != 0) {
    EnterState(button.Events, taps);
    RtStore(lastState, v);
  }
  return true;
}

void ParkAxisAt(int k) {
  const TLaneScope lane(AxisLane(k));
  TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
  if (!AxisTrackers[static_cast<size_t>(k)].Active || !axis.Synced) return;
  if (axis.InitialPos < 1 || axis.InitialPos > axis.PosCount || axis.CurrentPos == axis.InitialPos) return;
  // State first, keys second: the events may hold a parking command that
  // comes back here, and must then find nothing left to park.
  const int32_t last = axis.LastPos;
  RtStore(axis.LastPos, -1);
  RtStore(axis.Synced, false);
  if (IsPosition(axis, last)) LeaveState(axis.Position(last).Events, false);
}

}  // namespace

bool IsPosition(const TProfileAxis& axis, int32_t p) {
  return p >= 1 && p <= MaxPositions && p <= axis.PosCount;
}

// Step taps are counted in 64 bits: UserIndex and the resync counts come
// from a file and may be anything.
void StepLever(TProfileAxis& axis, int32_t from, int32_t to) {
  StepLeverFrom(axis, axis.Position(from).UserIndex, to);
}

void StepLeverFrom(TProfileAxis& axis, int64_t start, int32_t to) {
  const int64_t target = axis.Position(to).UserIndex;
  const int64_t d = target - start;
  if (d > 0) {
    StepTaps(axis, axis.Up, 1, start, d, target == axis.MaxUserIndex ? axis.ResyncLast : 0);
  } else if (d < 0) {
    StepTaps(axis, axis.Down, -1, start, -d, target == axis.MinUserIndex ? axis.ResyncFirst : 0);
  }
}

void EnterState(const TKeyEvents& events, bool taps) {
  if (taps) Tap(events.Press, 1);
  EnterHold(events.Hold);
}

void LeaveState(const TKeyEvents& events, bool taps) {
  LeaveHold(events.Hold);
  if (taps) Tap(events.Release, 1);
}

bool Evaluate(bool taps) {
  ReadControls();
  return EvaluateControls(taps);
}

bool EvaluateControls(bool taps) {
  bool changed = false;
  for (int k = 0; k < JoyAxisCount; ++k) {
    const TLaneScope lane(AxisLane(k));
    if (AxisTrackers[static_cast<size_t>(k)].Active) changed = EvaluateAxis(k, taps) || changed;
  }
  for (int h = 0; h < JoyHatCount; ++h) {
    const TLaneScope lane(HatLane(h));
    changed = EvaluateHat(h, taps) || changed;
  }
  for (int b = 0; b < JoyButtonCount; ++b) {
    const TLaneScope lane(ButtonLane(b));
    changed = EvaluateButton(b, taps) || changed;
  }
  return changed;
}

void Synchronise(TSyncMode mode) {
  const bool keep = mode == TSyncMode::Keep;
  for (int k = 0; k < JoyAxisCount; ++k) {
    TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
    if (!AxisTrackers[static_cast<size_t>(k)].Active) continue;
    const bool free = axis.InitialPos < 1 || axis.InitialPos > axis.PosCount;
    RtStore(axis.Synced, free || (keep && axis.Synced));
  }
  for (int b = 0; b < JoyButtonCount; ++b) {
    TProfileButton& button = ProfileButtons[static_cast<size_t>(b)];
    RtStore(button.Synced, button.ParkPos == ppNone || (keep && button.Synced));
    // A full start takes every control as it stands: nothing is parked down.
    button.ParkedDown = button.ParkedDown && keep && !button.Synced;
  }
}

void ParkAxis(int32_t index) {
  const int k = FindControlByIndex(JoyAxisCount, JoyAxes.data(), index);
  if (k >= 0) ParkAxisAt(k);
}

void ParkAllAxes() {
  for (int k = 0; k < JoyAxisCount; ++k) ParkAxisAt(k);
}

void ParkAllButtons() {
  for (int b = 0; b < JoyButtonCount; ++b) {
    TProfileButton& button = ProfileButtons[static_cast<size_t>(b)];
    int32_t& lastState = ButtonLastState[static_cast<size_t>(b)];
    if (!button.Synced) continue;
    const TLaneScope lane(ButtonLane(b));
    // Judged by the raw value, not by the last evaluated state: a parking
    // command runs in the middle of a cycle, and the buttons after the one
    // that carries it have not been evaluated yet.
    const bool pressed = LoadSlot(JoyButtons[static_cast<size_t>(b)].Value) != 0;
    // As with axes, the state changes before the keys, so that a parking
    // command among the button's own events does not park it again.
    if (button.ParkPos == ppRelease && pressed) {
      RtStore(lastState, 0);
      RtStore(button.Synced, false);
      LeaveState(button.Events, false);
    } else if (button.ParkPos == ppPress && !pressed) {
      // Its Hold stays down until the button is pressed and released again;
      // a non-zero state lets a release of everything meanwhile let it go.
      RtStore(lastState, 1);
      RtStore(button.Synced, false);
      button.ParkedDown = true;
      EnterState(button.Events, false);
    }
  }
}

void ReEnterParkedButtons() {
  for (int b = 0; b < JoyButtonCount; ++b) {
    TProfileButton& button = ProfileButtons[static_cast<size_t>(b)];
    if (button.Synced || !button.ParkedDown) continue;
    const TLaneScope lane(ButtonLane(b));
    RtStore(ButtonLastState[static_cast<size_t>(b)], 1);
    EnterState(button.Events, false);
  }
}

}  // namespace qv
