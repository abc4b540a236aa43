#include "engine/DeviceValues.h"

#include <atomic>

namespace qv {
namespace {

template <size_t N, size_t M>
void TakeSlots(std::array<int32_t, N>& into, const std::array<TJoyControlData, M>& list, int count) {
  for (size_t i = 0; i < N; ++i) {
    const int32_t* slot = static_cast<int>(i) < count ? list[i].Value : nullptr;
    into[i] = slot != nullptr
                  ? std::atomic_ref<int32_t>(*const_cast<int32_t*>(slot)).load(std::memory_order_relaxed)
                  : 0;
  }
}

}  // namespace

void TakeDeviceValues(TDeviceValues& into) {
  TakeSlots(into.Axes, JoyAxes, JoyAxisCount);
  TakeSlots(into.Hats, JoyHats, JoyHatCount);
  TakeSlots(into.Buttons, JoyButtons, JoyButtonCount);
}

}  // namespace qv
