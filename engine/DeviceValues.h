#pragma once
// The device's raw values as one reading left them. Comparing two tells
// whether the device changed between them, whatever the profile makes of it
// (a lever moved inside its notch counts too). Taking one allocates nothing.
#include <array>
#include <cstdint>

#include "engine/Profile.h"

namespace qv {

struct TDeviceValues {
  std::array<int32_t, MaxAxes> Axes{};
  std::array<int32_t, MaxHats> Hats{};
  std::array<int32_t, MaxButtons> Buttons{};
  bool operator==(const TDeviceValues&) const = default;
};

// Poll thread, after a reading.
void TakeDeviceValues(TDeviceValues& into);

}  // namespace qv
