#pragma once
// Key records that must wait (the taps of a lever with its own timing, the
// compatibility pauses) go out on a schedule that the poll thread serves
// between its readings, instead of stalling the thread in a sleep. One lane
// per control keeps that control's records in the order they were made;
// lanes run side by side, except that while one tap's modifiers are down
// nothing else goes out. Poll thread only, and the window side while no
// thread runs.
#include <cstdint>
#include <functional>
#include <vector>

namespace qv {

int AxisLane(int k);
int HatLane(int h);
int ButtonLane(int b);

// While it lives, what is scheduled goes into this lane (by default the
// lane of whatever no control sends: releases of everything and the like).
class TLaneScope {
 public:
  explicit TLaneScope(int lane);
  ~TLaneScope();
  TLaneScope(const TLaneScope&) = delete;
  TLaneScope& operator=(const TLaneScope&) = delete;

 private:
  int previous_;
};

struct TScheduled {
  uint32_t DelayMs = 0;  // after the lane's previous record went out
  std::function<void()> Send;
  bool Opens = false;     // a tap's modifiers go down: other lanes wait until it closes
  bool Closes = false;    // they go up again
  bool Up = false;        // lets keys go up: sent at once when its group is cut short
  bool Releases = false;  // lets go of a key pressed before: never dropped, sent at once on a release
  bool Presses = false;   // the tap's key goes down: from here on its step has reached the simulator
};

// The records of one step (its taps, with their modifiers and pauses).
struct TStepGroup {
  std::vector<TScheduled> Records;
  int8_t Direction = 0;  // +1 / -1: a step a reverse step may cancel; 0: a resync tap
  int64_t Steps = 1;     // notches it moves the lever: more for taps sent all at once
};

// Appends to the current lane, then sends whatever is due.
void Schedule(std::vector<TScheduled> records);
// Cancels up to count queued steps of the other direction at the end of the
// current lane (the newest first) and returns how many it cancelled.
int64_t CancelQueuedSteps(int8_t direction, int64_t count);
void ScheduleStep(TStepGroup step);

// The steps queued in the lane and not begun, up ones less down ones.
int64_t QueuedSteps(int lane);

// Sends every record that is due now.
void ServeSchedule();
// Milliseconds until the next record is due (0 when overdue), -1 with none.
int32_t ScheduleDueIn(uint32_t now);
// Some tap's modifiers are down: nothing of another control may go out.
bool TapModifiersDown();
bool ScheduleEmpty();

enum class TSettle {
  Continue,  // the lost device: a step under way goes on
  Cut,       // the program's own window: a step under way lets its keys go at once
  Drop,      // the program ends: nothing stays queued
};
// Lets go of everything queued that would go down later, and sends the
// releases of what is down now. Steps not yet begun stay queued, unless
// dropped.
void SettleSchedule(TSettle how);
// While frozen, queued steps wait (our own window is active).
void FreezeSteps(bool frozen);
// Sends everything queued on schedule, sleeping until each record is due.
void DrainSchedule();

}  // namespace qv
