#include "engine/Tracker.h"

#include <algorithm>

#include "engine/Hooks.h"
#include "engine/Profile.h"

namespace qv {
namespace {

constexpr int32_t AxisMax = 65535;

class SegmentBuilder {
 public:
  SegmentBuilder(TAxisTracker& tracker, int32_t firstNumber, int32_t step)
      : tracker_(tracker), number_(firstNumber), step_(step) {
    tracker_.SegmentCount = 0;
  }
  void Add(int64_t end) {
    if (tracker_.SegmentCount >= MaxPositions) return;
    TAxisSegment& s = tracker_.Segments[static_cast<size_t>(tracker_.SegmentCount++)];
    s.Low = start_;
    s.High = static_cast<int32_t>(std::clamp<int64_t>(end, 0, AxisMax));
    s.Number = number_;
    number_ += step_;
    start_ = s.High + 1;
  }

 private:
  TAxisTracker& tracker_;
  int32_t number_;
  int32_t step_;
  int32_t start_ = 0;
};

void BuildSegments(const TAxisSettings& s, TAxisTracker& t) {
  t.ValidMin = 0;
  t.ValidMax = AxisMax;
  if (s.Type == atMultipos) {
    // Files are untrusted: never more values than the table holds.
    const int32_t n = std::clamp(s.Count, 0, MaxPositions);
    SegmentBuilder b(t, s.Reverse ? n : 1, s.Reverse ? -1 : 1);
    const auto v = [&](int32_t i) { return static_cast<int64_t>(s.Value[static_cast<size_t>(i)]); };
    if (s.HangPos == hpMin) t.ValidMin = static_cast<int32_t>((v(0) + 1) / 2);
    if (s.HangPos == hpMax) t.ValidMax = static_cast<int32_t>((v(n - 1) + AxisMax) / 2);
    for (int32_t i = 0; i + 1 < n; ++i) b.Add((v(i) + v(i + 1)) / 2);
    b.Add(AxisMax);
  } else {
    const int64_t neutral = s.Neutral;
    const int64_t threshold = s.Threshold;
    SegmentBuilder b(t, 1, 1);
    if (neutral > 0) b.Add((100 - threshold) * neutral / 100);
    if (neutral < AxisMax) b.Add((AxisMax - neutral) * threshold / 100 + neutral);
    b.Add(AxisMax);
  }
  t.NoiseMargin = NoiseMargin(JoySettings.Noise);
  t.LowerBound = -1;
  t.UpperBound = -1;
  t.CurrentSegment = -1;
  t.CurrentNumber = -1;
  t.OutOfRange = false;
  t.Active = true;
}

void DeriveAxisFields(TProfileAxis& axis, const TAxisTracker& t) {
  const int32_t segments = t.Active ? t.SegmentCount : 0;
  axis.PosCount = axis.PosLimit > 0 ? std::min(segments, axis.PosLimit) : segments;
  axis.MinUserIndex = 2147483647;
  axis.MaxUserIndex = -2147483647;
  axis.Remapped = false;
  axis.HasPosKeys = false;
  for (int32_t p = 1; p <= axis.PosCount; ++p) {
    const TAxisPosition& pos = axis.Position(p);
    axis.MinUserIndex = std::min(axis.MinUserIndex, pos.UserIndex);
    axis.MaxUserIndex = std::max(axis.MaxUserIndex, pos.UserIndex);
    axis.Remapped = axis.Remapped || pos.UserIndex != p;
    axis.HasPosKeys = axis.HasPosKeys || !pos.Events.Empty();
  }
}

void Follow(TAxisTracker& t, TProfileAxis& axis) {
  const int32_t r = std::atomic_ref<int32_t>(*t.Value).load(std::memory_order_relaxed);
  if (r < t.ValidMin || r > t.ValidMax) {
    RtStore(t.OutOfRange, true);
    return;
  }
  RtStore(t.OutOfRange, false);
  if (t.LowerBound <= r && r <= t.UpperBound) return;
  const int32_t last = t.SegmentCount - 1;
  int32_t s = t.CurrentSegment;
  // Step first, compare after: a band clamped to 1..65534 is left by a
  // reading of 0 or 65535 even when the segment itself reaches that far.
  if (s < 0 || r > t.UpperBound) {
    if (s < last) ++s;
    while (s < last && r > t.Segments[static_cast<size_t>(s)].High) ++s;
  } else {
    if (s > 0) --s;
    while (s > 0 && r < t.Segments[static_cast<size_t>(s)].Low) --s;
  }
  const TAxisSegment& seg = t.Segments[static_cast<size_t>(s)];
  t.CurrentSegment = s;
  RtStore(t.CurrentNumber, seg.Number);
  RtStore(axis.CurrentPos, std::min(seg.Number, axis.PosCount));
  t.LowerBound = seg.Low - t.NoiseMargin;
  t.UpperBound = seg.High + t.NoiseMargin;
  if (t.LowerBound <= 0 && s != 0) t.LowerBound = 1;
  if (t.UpperBound >= AxisMax && s != last) t.UpperBound = AxisMax - 1;
}

}  // namespace

int32_t NoiseMargin(int32_t noise) {
  if (noise == 0) return 0;
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t(noise) * AxisMax / 1000 + 1, 0, AxisMax));
}

void RebuildTrackers() {
  for (int k = 0; k < MaxAxes; ++k) {
    TAxisTracker& t = AxisTrackers[static_cast<size_t>(k)];
    t.Active = false;
    t.SegmentCount = 0;
    t.ListIndex = k;
    t.Value = k < JoyAxisCount ? JoyAxes[static_cast<size_t>(k)].Value : nullptr;
    if (t.Value != nullptr) {
      const int32_t index = JoyAxes[static_cast<size_t>(k)].Index;
      if (index >= 0 && index < MaxAxes) {
        const TAxisSettings& s = JoySettings.Axes[static_cast<size_t>(index)];
        if (s.Type == atAnalog || (s.Type == atMultipos && s.Count > 0)) BuildSegments(s, t);
      }
    }
    DeriveAxisFields(ProfileAxes[static_cast<size_t>(k)], t);
  }
  for (TProfileHat& hat : ProfileHats) {
    hat.HasKeys = std::any_of(hat.Directions.begin(), hat.Directions.end(),
                              [](const TKeyEvents& e) { return !e.Empty(); });
  }
}

uint8_t HatDirection(int32_t raw) {
  if (raw < 0) return HatCentred;
  return static_cast<uint8_t>(((static_cast<int64_t>(raw) + 2250) / 4500) % HatDirections);
}

bool ReadControls() {
  const bool valid = !EngineHooks.PollDevice || CallHook(EngineHooks.PollDevice);
  for (int k = 0; k < JoyAxisCount; ++k) {
    TAxisTracker& t = AxisTrackers[static_cast<size_t>(k)];
    if (t.Active) Follow(t, ProfileAxes[static_cast<size_t>(k)]);
  }
  for (int h = 0; h < JoyHatCount; ++h) {
    const int32_t* slot = JoyHats[static_cast<size_t>(h)].Value;
    if (slot == nullptr) continue;
    const int32_t raw = std::atomic_ref<int32_t>(*const_cast<int32_t*>(slot)).load(std::memory_order_relaxed);
    RtStore(HatCurrentDir[static_cast<size_t>(h)], HatDirection(raw));
  }
  return valid;
}

}  // namespace qv
