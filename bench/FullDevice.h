#pragma once
// The largest device a profile can describe: 16 levers of 32 notches, 128
// buttons, 4 hats, every state with keys.
#include <cstdint>

#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "sim/StandInDevice.h"

namespace qv::bench {

struct TFullDevice : sim::TStandInDevice {
  static constexpr uint16_t UpVk = 0x26;
  static constexpr uint16_t DownVk = 0x28;
  static int32_t RestValue(int notch) { return 1000 + notch * 2000; }

  void Install(sim::TReporting reporting = sim::TReporting::Signals) {
    Attach(MaxAxes, MaxButtons, MaxHats, reporting);
    for (int i = 0; i < MaxAxes; ++i) {
      const auto k = static_cast<size_t>(i);
      TAxisSettings& s = JoySettings.Axes[k];
      s.Type = atMultipos;
      s.Count = MaxPositions;
      for (int n = 0; n < MaxPositions; ++n) s.Value[static_cast<size_t>(n)] = RestValue(n);
      TProfileAxis& a = ProfileAxes[k];
      a.Up.Vkey = UpVk;
      a.Down.Vkey = DownVk;
      for (int p = 1; p <= MaxPositions; ++p) {
        a.Position(p).Events.Press.Vkey = 0x41;
        a.Position(p).Events.Hold.Vkey = 0x42;
        a.Position(p).Events.Hold.Modifiers = modShift;
        a.Position(p).Events.Release.Vkey = 0x43;
      }
      Axis(i, RestValue(3));
    }
    for (TProfileButton& b : ProfileButtons) b.Events.Hold.Vkey = 0x44;
    for (TProfileHat& h : ProfileHats)
      for (TKeyEvents& e : h.Directions) e.Hold.Vkey = 0x45;
    RebuildTrackers();
  }
};

}  // namespace qv::bench
