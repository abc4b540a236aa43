#pragma once
// What the poll thread does while the joystick cannot be read (unplugged, a
// USB hiccup, taken by another program): a short failure changes nothing; a
// lasting one lets every held key go up, as a pause would, but each control
// keeps its last position and state; when reading works again the held keys
// of those states go down again without taps, and evaluation goes on from
// the kept positions, so a lever moved meanwhile is stepped notch by notch.
#include <cstdint>

namespace qv {

// How long reading must fail before the held keys go up.
constexpr uint32_t DeviceLostAfterMs = 500;

// Every entered state's Hold goes up, without Release taps; the states stay.
void ReleaseHeldKeys();
// Every entered state's Hold goes down again, without Press taps.
void PressHeldKeysAgain();
// Some entered state holds a key down.
bool AnyKeyHeld();

class TDeviceOutage {
 public:
  // After each read of an active cycle. Returns true when the held keys went
  // up or down here.
  bool Follow(bool valid, uint32_t now);
  // The held keys are up because of an outage: there is nothing to release.
  bool KeysReleased() const { return released_; }
  // The run-time state started over (a release, a re-entry): the outage is
  // judged afresh from the next read.
  void Forget() { failing_ = released_ = false; }

 private:
  bool failing_ = false;
  bool released_ = false;
  uint32_t since_ = 0;
};

}  // namespace qv
