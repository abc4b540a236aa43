#pragma once
// A joystick without hardware: its state slots live here and are wired into
// the engine's device lists, so tests and benchmarks move levers by writing
// a number. Writes are atomic because a real poll thread may be reading.
#include <array>
#include <atomic>
#include <cstdint>

#include "engine/Profile.h"

namespace qv::sim {

struct TStandInDevice {
  std::array<int32_t, MaxAxes> Axes{};
  std::array<int32_t, MaxButtons> Buttons{};
  std::array<int32_t, MaxHats> Hats{-1, -1, -1, -1};

  // Installs this device with the given counts; control k has Index k.
  void Attach(int axes, int buttons, int hats) {
    JoyAxisCount = axes;
    JoyButtonCount = buttons;
    JoyHatCount = hats;
    for (int i = 0; i < MaxAxes; ++i)
      JoyAxes[static_cast<size_t>(i)] = {u"Axis", i, &Axes[static_cast<size_t>(i)]};
    for (int i = 0; i < MaxButtons; ++i)
      JoyButtons[static_cast<size_t>(i)] = {u"Button", i, &Buttons[static_cast<size_t>(i)]};
    for (int i = 0; i < MaxHats; ++i)
      JoyHats[static_cast<size_t>(i)] = {u"Hat", i, &Hats[static_cast<size_t>(i)]};
  }
  static void Set(int32_t& slot, int32_t value) {
    std::atomic_ref<int32_t>(slot).store(value, std::memory_order_relaxed);
  }
  void Axis(int k, int32_t v) { Set(Axes[static_cast<size_t>(k)], v); }
  void Button(int b, int32_t v) { Set(Buttons[static_cast<size_t>(b)], v); }
  void Hat(int h, int32_t v) { Set(Hats[static_cast<size_t>(h)], v); }
};

}  // namespace qv::sim
