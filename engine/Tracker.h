#pragma once
// Cutting every axis into segments and following it with hysteresis.
#include <cstdint>

namespace qv {

// Recomputes every tracker and the derived fields of the profile axes and hats.
void RebuildTrackers();
// Polls the device, then updates trackers, CurrentPos and CurrentDir; emits
// nothing. False when the device could not be read (without a device poll
// there is nothing to lose, which counts as read).
bool ReadControls();
// How far a reading may stray, in raw units, for noise in tenths of a percent
// of the range: 0 for 0, else the share of 65535 truncated plus one.
int32_t NoiseMargin(int32_t noise);
// Hundredths of degrees clockwise from north (negative = centred) -> 0..7 or 255.
uint8_t HatDirection(int32_t raw);

}  // namespace qv
