#pragma once
// What the control list shows of the run-time state, kept as a small fixed
// record: the poll thread takes one after every reading and compares it with
// the one it last asked the list to paint, so an unchanged list is never
// repainted. Taking and comparing one allocates nothing.
#include <array>
#include <bitset>
#include <cstdint>

#include "engine/Profile.h"

namespace qv {

struct TShownState {
  bool ReadOk = false;
  std::array<int32_t, MaxAxes> Position{};
  std::bitset<MaxAxes> AxisSynced;
  std::bitset<MaxAxes> OutOfRange;
  std::array<uint8_t, MaxHats> HatDir{};
  std::bitset<MaxButtons> Pressed;
  std::bitset<MaxButtons> ButtonSynced;
  bool operator==(const TShownState&) const = default;
};

// readOk: whether the reading just made fetched the device state.
void TakeShownState(TShownState& into, bool readOk);

}  // namespace qv
