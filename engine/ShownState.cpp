#include "engine/ShownState.h"

namespace qv {

void TakeShownState(TShownState& into, bool readOk) {
  into.ReadOk = readOk;
  for (size_t k = 0; k < MaxAxes; ++k) {
    const bool used = static_cast<int>(k) < JoyAxisCount && AxisTrackers[k].Active;
    into.Position[k] = used ? ProfileAxes[k].CurrentPos : 0;
    into.AxisSynced[k] = used && ProfileAxes[k].Synced;
    into.OutOfRange[k] = used && AxisTrackers[k].OutOfRange;
  }
  for (size_t h = 0; h < MaxHats; ++h)
    into.HatDir[h] = static_cast<int>(h) < JoyHatCount ? HatCurrentDir[h] : HatCentred;
  for (size_t b = 0; b < MaxButtons; ++b) {
    const bool used = static_cast<int>(b) < JoyButtonCount;
    const int32_t* slot = used ? JoyButtons[b].Value : nullptr;
    into.Pressed[b] =
        slot != nullptr &&
        std::atomic_ref<int32_t>(*const_cast<int32_t*>(slot)).load(std::memory_order_relaxed) != 0;
    into.ButtonSynced[b] = used && ProfileButtons[b].Synced;
  }
}

}  // namespace qv
