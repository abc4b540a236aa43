#include "engine/CatchUp.h"

#include <array>
#include <string>

#include "engine/Evaluate.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"

namespace qv {
namespace {

struct TKeptLever {
  bool Known = false;
  int64_t Notch = 0;  // where the simulator's lever stands, once its queued steps are out
  uint64_t Setup = 0;
};

// Poll thread only, and the window side while no thread runs.
std::array<TKeptLever, MaxAxes> keptLevers;

// FNV-1a: a change of any field changes the hash, and nothing is allocated.
class THash {
 public:
  template <class T>
  THash& Add(T value) {
    const auto bits = static_cast<uint64_t>(value);
    for (size_t i = 0; i < sizeof(T); ++i) {
      hash_ = (hash_ ^ ((bits >> (8 * i)) & 0xFFu)) * 0x100000001B3ull;
    }
    return *this;
  }
  THash& Add(const std::u16string& text) {
    Add(text.size());
    for (char16_t c : text) Add(c);
    return *this;
  }
  THash& Add(const TKeyAction& a) {
    return Add(a.SysCmd).Add(a.Modifiers).Add(a.ScanCode).Add(a.Vkey).Add(a.Extended).Add(a.Repeat);
  }
  THash& Add(const TKeyEvents& e) { return Add(e.Press).Add(e.Hold).Add(e.Release); }
  uint64_t Value() const { return hash_; }

 private:
  uint64_t hash_ = 0xCBF29CE484222325ull;
};

void AddSettings(THash& hash, const TAxisSettings& s) {
  hash.Add(s.Name).Add(s.Type).Add(s.Count).Add(s.Reverse).Add(s.HangPos).Add(s.Neutral).Add(s.Threshold);
  for (int32_t v : s.Value) hash.Add(v);
}

void AddProfileAxis(THash& hash, const TProfileAxis& a) {
  hash.Add(a.PosLimit).Add(a.Up).Add(a.Down).Add(a.ResyncFirst).Add(a.ResyncLast).Add(a.InitialPos);
  hash.Add(a.StepHold).Add(a.StepGap);
  for (const TAxisPosition& p : a.Positions) hash.Add(p.UserIndex).Add(p.GateHold).Add(p.Events);
}

}  // namespace

uint64_t LeverSetupHash(int k) {
  THash hash;
  const TJoyControlData& control = JoyAxes[static_cast<size_t>(k)];
  hash.Add(control.Index).Add(control.Name);
  if (control.Index >= 0 && control.Index < MaxAxes)
    AddSettings(hash, JoySettings.Axes[static_cast<size_t>(control.Index)]);
  AddProfileAxis(hash, ProfileAxes[static_cast<size_t>(k)]);
  return hash.Value();
}

void RememberSimulatorLevers() {
  for (int k = 0; k < JoyAxisCount; ++k) {
    const TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
    if (!AxisTrackers[static_cast<size_t>(k)].Active || !axis.Synced || !IsPosition(axis, axis.LastPos))
      continue;
    keptLevers[static_cast<size_t>(k)] = {
        true, axis.Positions[static_cast<size_t>(axis.LastPos - 1)].UserIndex, LeverSetupHash(k)};
  }
}

void RewindSimulatorLevers() {
  for (int k = 0; k < JoyAxisCount; ++k) keptLevers[static_cast<size_t>(k)].Notch -= QueuedSteps(AxisLane(k));
}

void CatchUpSimulatorLevers() {
  for (int k = 0; k < JoyAxisCount; ++k) {
    TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
    const TKeptLever kept = keptLevers[static_cast<size_t>(k)];
    if (!AxisTrackers[static_cast<size_t>(k)].Active || !axis.Synced || !kept.Known) continue;
    if (!IsPosition(axis, axis.CurrentPos) || axis.Position(axis.CurrentPos).UserIndex == kept.Notch)
      continue;
    if (kept.Setup != LeverSetupHash(k)) continue;
    const TLaneScope lane(AxisLane(k));
    StepLeverFrom(axis, kept.Notch, axis.CurrentPos);
  }
  ForgetSimulatorLevers();
}

void ForgetSimulatorLevers() { keptLevers.fill(TKeptLever{}); }

}  // namespace qv
