#include "engine/DeviceOutage.h"

#include "engine/Evaluate.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"

namespace qv {
namespace {

// Calls act for the events of every state that is entered now: an axis's
// position, a hat's direction, a pressed button.
template <class Act>
void ForEachEnteredState(Act act) {
  for (int k = 0; k < JoyAxisCount; ++k) {
    TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
    if (axis.LastPos >= 1 && axis.LastPos <= MaxPositions) act(axis.Position(axis.LastPos).Events);
  }
  for (int h = 0; h < JoyHatCount; ++h) {
    const TProfileHat& hat = ProfileHats[static_cast<size_t>(h)];
    if (hat.LastDir >= 0 && hat.LastDir < HatDirections)
      act(hat.Directions[static_cast<size_t>(hat.LastDir)]);
  }
  for (int b = 0; b < JoyButtonCount; ++b) {
    if (ButtonLastState[static_cast<size_t>(b)] != 0) act(ProfileButtons[static_cast<size_t>(b)].Events);
  }
}

}  // namespace

void ReleaseHeldKeys() {
  ForEachEnteredState([](const TKeyEvents& events) { LeaveState(events, false); });
}

void PressHeldKeysAgain() {
  ForEachEnteredState([](const TKeyEvents& events) { EnterState(events, false); });
}

bool AnyKeyHeld() {
  bool held = false;
  ForEachEnteredState([&held](const TKeyEvents& events) { held = held || !events.Hold.Empty(); });
  return held;
}

bool TDeviceOutage::Follow(bool valid, uint32_t now) {
  if (valid) {
    const bool back = released_;
    if (back) PressHeldKeysAgain();
    Forget();
    return back;
  }
  if (!failing_) {
    failing_ = true;
    since_ = now;
  }
  if (released_ || now - since_ < DeviceLostAfterMs) return false;
  // Queued steps still go out, a step under way included; nothing else
  // queued may press a key after this.
  SettleSchedule(TSettle::Continue);
  ReleaseHeldKeys();
  released_ = true;
  return true;
}

}  // namespace qv
