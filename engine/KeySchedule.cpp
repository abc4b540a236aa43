#include "engine/KeySchedule.h"

#include <algorithm>
#include <array>
#include <deque>

#include "engine/Profile.h"
#include "engine/Seams.h"

namespace qv {
namespace {

constexpr int LooseLane = MaxAxes + MaxHats + MaxButtons;

struct TEntry : TScheduled {
  uint64_t Group = 0;
  bool Step = false;
  int8_t Direction = 0;
  int64_t Steps = 0;
};

struct TLane {
  std::deque<TEntry> Entries;
  uint32_t ReadyAt = 0;  // when the previous record went out
  uint64_t Started = 0;  // the group whose first record went out last
  // What of that group went out, and whether its key went down: a step cut
  // short before that is put back whole, for the simulator never saw it.
  std::vector<TEntry> Begun;
  bool Pressed = false;
};

std::array<TLane, LooseLane + 1> lanes;
int currentLane = LooseLane;
int spanLane = -1;  // the lane whose tap holds its modifiers down
bool stepsFrozen = false;
uint64_t lastGroup = 0;

// Some key of the lane's record group under way is still down.
bool HoldsKey(const TLane& lane) {
  return std::any_of(lane.Entries.begin(), lane.Entries.end(),
                     [&](const TEntry& e) { return e.Group == lane.Started && e.Up; });
}

bool Eligible(int l) {
  const TLane& lane = lanes[static_cast<size_t>(l)];
  if (lane.Entries.empty()) return false;
  const TEntry& next = lane.Entries.front();
  if (stepsFrozen && next.Step) return false;
  if (spanLane >= 0) return spanLane == l;
  // A tap's modifiers wait until no other control's key is down.
  if (next.Opens) {
    for (int other = 0; other <= LooseLane; ++other) {
      if (other != l && HoldsKey(lanes[static_cast<size_t>(other)])) return false;
    }
  }
  return true;
}

int32_t DueIn(int l, uint32_t now) {
  const TLane& lane = lanes[static_cast<size_t>(l)];
  return static_cast<int32_t>(lane.ReadyAt + lane.Entries.front().DelayMs - now);
}

void Append(std::vector<TScheduled> records, bool step, int8_t direction, int64_t steps) {
  TLane& lane = lanes[static_cast<size_t>(currentLane)];
  if (lane.Entries.empty()) lane.ReadyAt = Seams().Time->Now();
  const uint64_t group = ++lastGroup;
  for (TScheduled& r : records) {
    TEntry entry;
    static_cast<TScheduled&>(entry) = std::move(r);
    entry.Group = group;
    entry.Step = step;
    entry.Direction = direction;
    entry.Steps = steps;
    lane.Entries.push_back(std::move(entry));
  }
  ServeSchedule();
}

}  // namespace

int AxisLane(int k) { return k; }
int HatLane(int h) { return MaxAxes + h; }
int ButtonLane(int b) { return MaxAxes + MaxHats + b; }

TLaneScope::TLaneScope(int lane) : previous_(currentLane) { currentLane = lane; }
TLaneScope::~TLaneScope() { currentLane = previous_; }

void Schedule(std::vector<TScheduled> records) { Append(std::move(records), false, 0, 0); }

void ScheduleStep(TStepGroup step) { Append(std::move(step.Records), true, step.Direction, step.Steps); }

int64_t CancelQueuedSteps(int8_t direction, int64_t count) {
  TLane& lane = lanes[static_cast<size_t>(currentLane)];
  std::vector<uint64_t> groups;
  for (auto it = lane.Entries.rbegin();
       it != lane.Entries.rend() && static_cast<int64_t>(groups.size()) < count; ++it) {
    if (!it->Step) continue;
    // A resync tap, a step the same way, one already begun or a batch of
    // several ends the run.
    if (it->Direction == 0 || it->Direction == direction || it->Group == lane.Started || it->Steps != 1)
      break;
    if (groups.empty() || groups.back() != it->Group) groups.push_back(it->Group);
  }
  std::erase_if(lane.Entries, [&](const TEntry& e) {
    return std::find(groups.begin(), groups.end(), e.Group) != groups.end();
  });
  return static_cast<int64_t>(groups.size());
}

void ServeSchedule() {
  Clock& clock = *Seams().Time;
  for (;;) {
    const uint32_t now = clock.Now();
    int best = -1;
    int32_t bestDue = 0;
    for (int l = 0; l <= LooseLane; ++l) {
      if (!Eligible(l)) continue;
      const int32_t due = DueIn(l, now);
      if (due <= 0 && (best < 0 || due < bestDue)) {
        best = l;
        bestDue = due;
      }
    }
    if (best < 0) return;
    TLane& lane = lanes[static_cast<size_t>(best)];
    TEntry entry = std::move(lane.Entries.front());
    lane.Entries.pop_front();
    // From when it really went out, so that a late thread never shortens a hold.
    lane.ReadyAt = now;
    if (entry.Group != lane.Started) {
      lane.Begun.clear();
      lane.Pressed = false;
    }
    lane.Started = entry.Group;
    lane.Pressed = lane.Pressed || entry.Presses;
    if (entry.Step && !lane.Pressed) lane.Begun.push_back(entry);
    if (entry.Opens) spanLane = best;
    if (entry.Closes) spanLane = -1;
    if (entry.Send) entry.Send();
  }
}

int32_t ScheduleDueIn(uint32_t now) {
  int32_t due = -1;
  for (int l = 0; l <= LooseLane; ++l) {
    if (!Eligible(l)) continue;
    const int32_t in = std::max(0, DueIn(l, now));
    if (due < 0 || in < due) due = in;
  }
  return due;
}

bool TapModifiersDown() { return spanLane >= 0; }

int64_t QueuedSteps(int l) {
  const TLane& lane = lanes[static_cast<size_t>(l)];
  int64_t net = 0;
  uint64_t counted = lane.Started;
  for (const TEntry& e : lane.Entries) {
    if (!e.Step || e.Group == counted) continue;
    counted = e.Group;
    net += e.Direction * e.Steps;
  }
  return net;
}

bool ScheduleEmpty() {
  return std::all_of(lanes.begin(), lanes.end(), [](const TLane& lane) { return lane.Entries.empty(); });
}

void SettleSchedule(TSettle how) {
  // The tap under way lets go first: its modifiers close the span that
  // every other release waits for.
  std::vector<std::function<void()>> cuts;
  std::vector<std::function<void()>> releases;
  for (TLane& lane : lanes) {
    std::deque<TEntry> kept;
    // A step whose key has not gone down yet lets its modifiers go and
    // waits, whole, with the steps not begun.
    const bool unpressed = how == TSettle::Cut && !lane.Pressed && !lane.Begun.empty();
    if (unpressed) {
      for (TEntry& e : lane.Entries) {
        if (e.Group == lane.Started && e.Closes) cuts.push_back(e.Send);
      }
      kept.insert(kept.end(), lane.Begun.begin(), lane.Begun.end());
      lane.Begun.clear();
      lane.Started = 0;
    }
    for (TEntry& e : lane.Entries) {
      const bool underWay = e.Group == lane.Started;
      if (e.Step ? how != TSettle::Drop && (!underWay || how == TSettle::Continue)
                 : how == TSettle::Continue && e.Releases) {
        // A lost device keeps its releases in line behind the steps.
        kept.push_back(std::move(e));
      } else if (underWay && e.Up) {
        cuts.push_back(std::move(e.Send));
      } else if (!underWay && e.Releases) {
        releases.push_back(std::move(e.Send));
      }
    }
    lane.Entries = std::move(kept);
  }
  if (spanLane >= 0) {
    const TLane& lane = lanes[static_cast<size_t>(spanLane)];
    if (lane.Entries.empty() || lane.Entries.front().Group != lane.Started) spanLane = -1;
  }
  for (auto* list : {&cuts, &releases}) {
    for (const auto& send : *list) {
      if (send) send();
    }
  }
}

void FreezeSteps(bool frozen) { stepsFrozen = frozen; }

void DrainSchedule() {
  Clock& clock = *Seams().Time;
  for (;;) {
    ServeSchedule();
    const int32_t due = ScheduleDueIn(clock.Now());
    if (due < 0) return;
    if (due > 0) clock.Sleep(static_cast<uint32_t>(due));
  }
}

}  // namespace qv
