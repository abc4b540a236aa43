// The value functions that the sound commands apply to a control's old value.
// Volumes are taken as 0..65535 whatever the control's own bounds.
#include <algorithm>
#include <cmath>

#include "mixer/Mixer.h"

namespace qv {
namespace {

constexpr int64_t FullVolume = 65535;

int64_t ClampPercent(int64_t percent) { return std::clamp<int64_t>(percent, 0, 100); }

}  // namespace

uint32_t SetValue(uint32_t, int64_t argument) { return static_cast<uint32_t>(argument); }

uint32_t ToggleMute(uint32_t value, int64_t) { return value ^ 1u; }

uint32_t StepVolumePercent(uint32_t value, int64_t argument) {
  // The default rounding mode takes halves to the even neighbour.
  const auto percent = static_cast<int64_t>(std::nearbyint(static_cast<double>(value) * 100.0 / FullVolume));
  // Both terms are bounded before they meet, so no step can overflow.
  const int64_t step = std::clamp<int64_t>(argument, -100, 100);
  return static_cast<uint32_t>(ClampPercent(std::min<int64_t>(percent, 100) + step) * FullVolume / 100);
}

uint32_t ToggleLevel(uint32_t value, int64_t argument) {
  return value != 0 ? 0 : static_cast<uint32_t>(argument);
}

uint32_t PercentToRaw(int64_t percent) {
  return static_cast<uint32_t>(ClampPercent(percent) * FullVolume / 100);
}

}  // namespace qv
