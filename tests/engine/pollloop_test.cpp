// The poll cycle stepped by hand on the virtual clock.
#include <functional>
#include <set>
#include <vector>

#include "EngineFixture.h"
#include "engine/PollThread.h"

namespace qv::test {
namespace {

class PollLoopTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    EngineHooks.Repaint = [this] { ++repaints; };
    EngineHooks.MainWindowVisible = [this] { return visible; };
    MakeFourNotchLever(0);
    ProfileAxes[0].Up = Key(0x26);
    ProfileAxes[0].Down = Key(0x28);
    device.Axis(0, 1000);
    RebuildTrackers();
    loop.Begin();
  }
  // The lever moves between notches 1 and 2 in every cycle.
  void Wiggle(int cycles) {
    for (int i = 0; i < cycles; ++i) {
      device.Axis(0, ++moves % 2 ? 20000 : 1000);
      loop.Cycle();
    }
  }

  // Cycles until at least ms have passed on the clock.
  void RunFor(uint32_t ms) {
    const uint32_t end = clock.Now() + ms;
    do {
      loop.Cycle();
    } while (static_cast<int32_t>(clock.Now() - end) < 0);
  }

  TPollLoop loop;
  int moves = 0;
  int repaints = 0;
  bool visible = true;
};

// A lever moved every millisecond: the list is repainted every 30 ms (31
// when the lever is back where it was painted), and not at all while the
// window is hidden.
TEST_F(PollLoopTest, ActiveRepaintsComeEvery30MsWhileThingsChangeAndOnlyWhenVisible) {
  std::vector<uint32_t> repaintedAt;
  EngineHooks.Repaint = [&] { repaintedAt.push_back(clock.Now()); };
  for (int ms = 0; ms < 100; ++ms) {
    clock.Advance(1);
    Wiggle(1);
  }
  ASSERT_GE(repaintedAt.size(), 3u);
  for (size_t i = 1; i < repaintedAt.size(); ++i) {
    EXPECT_GE(repaintedAt[i] - repaintedAt[i - 1], 30u) << i;
    EXPECT_LE(repaintedAt[i] - repaintedAt[i - 1], 31u) << i;
  }
  repaintedAt.clear();
  visible = false;
  for (int ms = 0; ms < 100; ++ms) {
    clock.Advance(1);
    Wiggle(1);
  }
  EXPECT_TRUE(repaintedAt.empty());
  // Shown again, after a rest: one change, painted within 30 ms, then nothing.
  visible = true;
  RunFor(2000);
  repaintedAt.clear();
  const uint32_t changedAt = clock.Now();
  Wiggle(1);
  RunFor(2000);
  ASSERT_EQ(repaintedAt.size(), 1u);
  EXPECT_LE(repaintedAt[0] - changedAt, 30u);
}

// How often the device is read with nothing else to do, by how it reports
// its changes: a signalling device only when it signals (a jittering axis
// no more than a polled device), else every 5 ms (30 ms while quiet).
TEST_F(PollLoopTest, ReadingsPerSecondFollowHowTheDeviceReports) {
  struct Case {
    const char* device;
    sim::TReporting reporting;
    bool quiet;
    bool jitter;
    bool unplugged;
    int reads;
  };
  const Case cases[] = {
      {"signals, still", sim::TReporting::Signals, false, false, false, 1},
      {"signals, still, quiet", sim::TReporting::Signals, true, false, false, 1},
      {"signals, jitters inside its band", sim::TReporting::Signals, false, true, false, 200},
      {"signals, jitters while quiet", sim::TReporting::Signals, true, true, false, 200},
      {"must be polled", sim::TReporting::Polled, false, false, false, 200},
      {"must be polled, quiet", sim::TReporting::Polled, true, false, false, 33},
      {"signalling set-up failed", sim::TReporting::SignalsFail, false, false, false, 200},
      {"signals, unplugged", sim::TReporting::Signals, false, false, true, 200},
  };
  for (const Case& c : cases) {
    device.Attach(2, 4, 1, c.reporting);
    int reads = 0;
    EngineHooks.PollDevice = [&reads, poll = EngineHooks.PollDevice] {
      ++reads;
      return poll();
    };
    device.Axis(0, 20000);
    RebuildTrackers();
    PauseRequest = c.quiet;
    Suspended = c.quiet;
    loop.Begin();
    if (c.unplugged) device.Unplug();
    RunFor(2000);
    reads = 0;
    const uint32_t end = clock.Now() + 1000;
    // Bounded: a thread that read without waiting would never see the time pass.
    for (int i = 0; static_cast<int32_t>(clock.Now() - end) < 0 && i < 100000; ++i) {
      if (c.jitter) device.Axis(0, 20000 + i % 2 * 300);
      loop.Cycle();
    }
    EXPECT_NEAR(reads, c.reads, 1) << c.device;
  }
}

// How long a lever's change waits for its reading, by how the device reports
// it. A driver that accepts the change signal and never gives it is read at
// the fallback until its first change comes unannounced; from then on it is
// polled, as one that refuses the signal is.
TEST_F(PollLoopTest, ADeviceThatNeverSignalsIsPolledOnceAChangeCameUnannounced) {
  struct Case {
    const char* device;
    sim::TReporting reporting;
    uint32_t first;     // ms from the change to its reading
    uint32_t laterMax;  // for every change after it
  };
  const Case cases[] = {
      // After a reading that changed nothing even a signal waits the period.
      {"signals", sim::TReporting::Signals, 5, 5},
      {"must be polled", sim::TReporting::Polled, 5, 5},
      {"accepts the signal, never gives it", sim::TReporting::NeverSignals, 1000, 10},
  };
  // Ms from a change made now (at any point between two readings) to the
  // reading that takes the lever to its other notch.
  const auto delay = [this](uint32_t after) {
    loop.Cycle();
    clock.Advance(after);
    const int32_t before = ProfileAxes[0].CurrentPos;
    const uint32_t changedAt = clock.Now();
    device.Axis(0, before == 1 ? 20000 : 1000);
    for (int i = 0; ProfileAxes[0].CurrentPos == before && i < 10000; ++i) loop.Cycle();
    return clock.Now() - changedAt;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.device);
    device.Attach(2, 4, 1, c.reporting);
    device.Axis(0, 1000);
    RebuildTrackers();
    loop.Begin();
    RunFor(2000);
    EXPECT_EQ(delay(0), c.first);
    for (const uint32_t after : {0u, 1u, 3u, 4u, 0u, 2u}) EXPECT_LE(delay(after), c.laterMax) << after;
  }
}

// A change the device made on its own schedule (a replayed timeline) was
// due, not missed: reading it then leaves a device trusted to signal.
TEST_F(PollLoopTest, AChangeThatWasDueIsNoMissedSignal) {
  device.Attach(2, 4, 1, sim::TReporting::NeverSignals);
  device.Axis(0, 1000);
  RebuildTrackers();
  loop.Begin();
  RunFor(2000);  // every wake of the set-up used up
  loop.Cycle();
  const uint32_t dueAt = clock.Now() + 500;
  EngineHooks.DeviceDueIn = [&] { return std::max<int32_t>(0, static_cast<int32_t>(dueAt - clock.Now())); };
  // The lever already stands where the device will report it at dueAt.
  device.Axis(0, 20000);
  loop.Cycle();
  EXPECT_EQ(clock.Now(), dueAt);
  EXPECT_EQ(ProfileAxes[0].CurrentPos, 2);
  EXPECT_TRUE(EngineHooks.DeviceSignals());
}

// With nothing moving the thread still wakes for its own work: a held key
// repeats on its schedule.
TEST_F(PollLoopTest, AHeldKeyRepeatsOnTimeWithNothingMoving) {
  ProfileAxes[0].Position(2).Events.Hold = Key(0x41);
  device.Axis(0, 20000);
  loop.Cycle();
  const uint32_t pressed = clock.Now();
  std::vector<uint32_t> downs;
  RunFor(800);
  for (const sim::TRecorded& r : keyboard.Records()) {
    if (r.Input.Vk == 0x41 && (r.Input.Flags & KeyFlagUp) == 0) downs.push_back(r.Time - pressed);
  }
  EXPECT_EQ(downs, (std::vector<uint32_t>{0, 500, 600, 700, 800}));
}

TEST_F(PollLoopTest, QuietCyclesReadOnAndSendNothing) {
  PauseRequest = true;
  loop.Cycle();
  ASSERT_TRUE(Suspended);
  keyboard.Clear();
  Wiggle(4);
  EXPECT_EQ(keyboard.Count(), 0u);
  // Readings go on while quiet, so the lever's position is known on return.
  device.Axis(0, 64000);
  loop.Cycle();
  EXPECT_EQ(ProfileAxes[0].CurrentPos, 4);
  PauseRequest = false;
  loop.Cycle();
  EXPECT_FALSE(Suspended);
  // Back: nothing but the simulator's lever stepped after ours, from notch 1 to 4.
  const std::vector<TKeyInput> typed = keyboard.Inputs();
  ASSERT_EQ(typed.size(), 6u);
  for (size_t i = 0; i < typed.size(); ++i) {
    EXPECT_EQ(typed[i].Vk, 0x26) << i;
    EXPECT_EQ((typed[i].Flags & KeyFlagUp) != 0, i % 2 == 1) << i;
  }
}

// Our own window in front: the list is repainted soon after anything it
// shows changes, and never while nothing does.
TEST_F(PollLoopTest, QuietCyclesRepaintOnlyAfterSomethingShownChanged) {
  JoySettings.Axes[0].HangPos = hpMin;
  RebuildTrackers();
  loop.Begin();
  PauseRequest = true;
  RunFor(300);
  ASSERT_TRUE(Suspended);
  keyboard.Clear();
  struct Case {
    const char* change;
    std::function<void()> act;
    int repaints;
  };
  const Case cases[] = {
      {"lever to notch 3", [&] { device.Axis(0, 40000); }, 1},
      {"jitter inside the notch's band", [&] { device.Axis(0, 40300); }, 0},
      {"below the hanging lever's range", [&] { device.Axis(0, 100); }, 1},
      {"hat pushed right", [&] { device.Hat(0, 9000); }, 1},
      {"button pressed", [&] { device.Button(1, 1); }, 1},
      {"device lost", [&] { device.Unplug(); }, 1},
      {"device back", [&] { device.Replug(); }, 1},
  };
  for (const Case& c : cases) {
    const int idle = repaints;
    RunFor(300);
    EXPECT_EQ(repaints, idle) << "idle before: " << c.change;
    c.act();
    RunFor(30);
    EXPECT_EQ(repaints - idle, c.repaints) << c.change;
  }
  EXPECT_EQ(keyboard.Count(), 0u);
}

class LostDeviceTest : public PollLoopTest {
 protected:
  void SetUp() override {
    PollLoopTest::SetUp();
    TKeyEvents& notch2 = ProfileAxes[0].Position(2).Events;
    notch2.Press = Key(0x31);
    notch2.Hold = Key(0x41);
    notch2.Release = Key(0x32);
    ProfileButtons[0].Events.Hold = Key(0x42);
    device.Axis(0, 20000);
    device.Button(0, 1);
    loop.Cycle();
    ASSERT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41, 0x42}));
    keyboard.Clear();
  }
  void Cycles(int n) {
    for (int i = 0; i < n; ++i) loop.Cycle();
  }
  size_t Downs(uint16_t vk) const {
    size_t n = 0;
    for (const TKeyInput& r : keyboard.Inputs()) n += r.Vk == vk && (r.Flags & KeyFlagUp) == 0;
    return n;
  }
  size_t Ups() const {
    size_t n = 0;
    for (const TKeyInput& r : keyboard.Inputs()) n += (r.Flags & KeyFlagUp) != 0;
    return n;
  }
};

TEST_F(LostDeviceTest, HeldKeysGoUpOnlyAfter500MsAndOnReturnGoDownWithoutTapsThenTheMovedLeverIsStepped) {
  // A failure shorter than 500 ms (reads 5 ms apart) lets nothing go up;
  // the held key's auto-repeat goes on as for any held key.
  device.Unplug();
  Cycles(100);
  device.Replug();
  Cycles(1);
  EXPECT_EQ(Ups(), 0u);

  device.Unplug();
  Cycles(101);
  EXPECT_TRUE(keyboard.KeysDown().empty());
  EXPECT_EQ(Downs(0x32), 0u);  // let go of, not left: no release tap
  EXPECT_EQ(ProfileAxes[0].LastPos, 2);
  EXPECT_NE(ButtonLastState[0], 0);
  // Moved while lost: nothing is sent until the device answers again.
  device.Axis(0, 64000);
  keyboard.Clear();
  Cycles(50);
  EXPECT_EQ(keyboard.Count(), 0u);

  device.Replug();
  Cycles(1);
  EXPECT_EQ(Downs(0x41), 1u);  // notch 2's hold, pressed again before leaving notch 2
  EXPECT_EQ(Downs(0x42), 1u);
  EXPECT_EQ(Downs(0x31), 0u);
  EXPECT_EQ(Downs(0x32), 1u);  // notch 2 left for real
  EXPECT_EQ(Downs(0x26), 2u);  // two notches up, one tap each
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x42}));
  EXPECT_EQ(ProfileAxes[0].LastPos, 4);
}

TEST_F(LostDeviceTest, APauseWhileLostReleasesNothingTwiceAndResumesFromTheReadings) {
  device.Unplug();
  Cycles(102);
  keyboard.Clear();
  PauseRequest = true;
  Cycles(2);
  EXPECT_EQ(keyboard.Count(), 0u);
  device.Replug();
  PauseRequest = false;
  Cycles(2);
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41, 0x42}));
  EXPECT_EQ(Downs(0x31), 0u);
}

// A device may go without a word: a held key still goes up about 500 ms
// after the last good reading, whether it repeats or not (Shift does not).
TEST_F(PollLoopTest, HeldKeysGoUpSoonAfterADeviceThatGoesSilently) {
  for (const int32_t held : {0x10, 0x42}) {
    SCOPED_TRACE(held);
    ProfileButtons[0].Events.Hold = Key(held);
    device.Button(0, 1);
    RunFor(10);
    ASSERT_EQ(keyboard.KeysDown(), std::set<uint16_t>{static_cast<uint16_t>(held)});
    device.Unplug(false);
    RunFor(DeviceLostAfterMs + 150);
    EXPECT_TRUE(keyboard.KeysDown().empty());
    device.Replug();
    device.Button(0, 0);
    RunFor(10);
  }
}

}  // namespace
}  // namespace qv::test
