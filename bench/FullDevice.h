#pragma once
// The largest device a profile can describe: 16 levers of 32 notches, 128
// buttons, 4 hats, every state with keys.
#include <array>
#include <atomic>
#include <cstdint>

#include "engine/Profile.h"
#include "engine/Tracker.h"

namespace qv::bench {

struct TFullDevice {
  std::array<int32_t, MaxAxes> Axes{};
  std::array<int32_t, MaxButtons> Buttons{};
  std::array<int32_t, MaxHats> Hats{-1, -1, -1, -1};

  static int32_t RestValue(int notch) { return 1000 + notch * 2000; }

  void Install() {
    JoyAxisCount = MaxAxes;
    JoyButtonCount = MaxButtons;
    JoyHatCount = MaxHats;
    for (int i = 0; i < MaxAxes; ++i) {
      const auto k = static_cast<size_t>(i);
      JoyAxes[k] = {u"Axis", i, &Axes[k]};
      TAxisSettings& s = JoySettings.Axes[k];
      s.Type = atMultipos;
      s.Count = MaxPositions;
      for (int n = 0; n < MaxPositions; ++n) s.Value[static_cast<size_t>(n)] = RestValue(n);
      TProfileAxis& a = ProfileAxes[k];
      a.Up.Vkey = 0x26;
      a.Down.Vkey = 0x28;
      for (int p = 1; p <= MaxPositions; ++p) {
        a.Position(p).Events.Press.Vkey = 0x41;
        a.Position(p).Events.Hold.Vkey = 0x42;
        a.Position(p).Events.Hold.Modifiers = modShift;
        a.Position(p).Events.Release.Vkey = 0x43;
      }
      Axes[k] = RestValue(3);
    }
    for (int i = 0; i < MaxButtons; ++i) {
      JoyButtons[static_cast<size_t>(i)] = {u"Button", i, &Buttons[static_cast<size_t>(i)]};
      ProfileButtons[static_cast<size_t>(i)].Events.Hold.Vkey = 0x44;
    }
    for (int i = 0; i < MaxHats; ++i) {
      JoyHats[static_cast<size_t>(i)] = {u"Hat", i, &Hats[static_cast<size_t>(i)]};
      for (TKeyEvents& e : ProfileHats[static_cast<size_t>(i)].Directions) e.Hold.Vkey = 0x45;
    }
    RebuildTrackers();
  }

  void SetAxis(int k, int32_t v) {
    std::atomic_ref<int32_t>(Axes[static_cast<size_t>(k)]).store(v, std::memory_order_relaxed);
  }
};

}  // namespace qv::bench
