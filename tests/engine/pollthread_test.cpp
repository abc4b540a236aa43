// The poll thread's life with a real thread and the real clock.
#include "engine/PollThread.h"

#include <chrono>
#include <functional>
#include <future>
#include <mutex>
#include <random>
#include <set>
#include <stdexcept>
#include <thread>

#include "EngineFixture.h"

namespace qv::test {
namespace {

template <class Condition>
bool WaitUntil(Condition condition) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class PollThreadTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InstallSeams(&realKeyboard, &layout, &steady);
    PauseRequest = false;
    Suspended = false;
    ResyncRequest = true;
    MakeFourNotchLever(0);
    TProfileAxis& a = ProfileAxes[0];
    a.Up = Key(0x26);
    a.Position(2).Events.Press = Key(0x31);
    a.Position(2).Events.Hold = Key(0x41);
    device.Axis(0, 20000);
  }
  void TearDown() override {
    StopPolling();
    PauseRequest = false;
    Suspended = false;
    EngineTest::TearDown();
  }
  size_t Downs(uint16_t vk) const {
    size_t n = 0;
    for (const TKeyInput& r : realKeyboard.Inputs()) n += r.Vk == vk && (r.Flags & KeyFlagUp) == 0;
    return n;
  }
  bool HoldDown() const { return realKeyboard.KeysDown().count(0x41) == 1; }

  sim::SteadyClock steady;
  sim::RecordingKeyboard realKeyboard{&steady};
};

TEST_F(PollThreadTest, PauseReleasesTheHeldKeyAndResumePressesItAgainWithoutTaps) {
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  Pause();
  EXPECT_TRUE(realKeyboard.KeysDown().empty());
  EXPECT_TRUE(Suspended);
  Resume();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  EXPECT_EQ(Downs(0x41), 2u);
  EXPECT_EQ(Downs(0x31), 0u);
  // A real move still taps and steps once the thread is active again.
  device.Axis(0, 40000);
  ASSERT_TRUE(WaitUntil([&] { return Downs(0x26) == 1; }));
  StopPolling();
  EXPECT_FALSE(Running);
  EXPECT_TRUE(realKeyboard.KeysDown().empty());
}

TEST_F(PollThreadTest, StartTwiceMakesOneThread) {
  std::mutex mutex;
  std::set<std::thread::id> pollers;
  int rebuilds = 0;
  EngineHooks.RebuildList = [&] { ++rebuilds; };
  EngineHooks.PollDevice = [&, poll = EngineHooks.PollDevice] {
    {
      std::lock_guard lock(mutex);
      pollers.insert(std::this_thread::get_id());
    }
    return poll();
  };
  StartPolling();
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return Downs(0x41) == 1; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  StopPolling();
  EXPECT_EQ(rebuilds, 1);
  EXPECT_EQ(pollers.size(), 1u);
  EXPECT_EQ(Downs(0x41), 1u);
}

TEST_F(PollThreadTest, ResyncMakesAnAxisWithInitialPosWaitAgain) {
  ProfileAxes[0].InitialPos = 2;
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return RtLoad(ProfileAxes[0].Synced); }));
  device.Axis(0, 40000);
  ASSERT_TRUE(WaitUntil([&] { return Downs(0x26) == 1; }));
  // A restart in keep mode leaves it synchronised...
  StopPolling();
  StartPolling();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  StopPolling();
  EXPECT_TRUE(ProfileAxes[0].Synced);
  // ...the resync request does not.
  SetInitialPositions();
  EXPECT_TRUE(Running);
  device.Axis(0, 64000);
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  EXPECT_EQ(Downs(0x26), 1u);
  device.Axis(0, 20000);
  std::this_thread::sleep_for(std::chrono::milliseconds(40));
  device.Axis(0, 40000);
  ASSERT_TRUE(WaitUntil([&] { return Downs(0x26) == 2; }));
  StopPolling();
  EXPECT_TRUE(ProfileAxes[0].Synced);
}

TEST_F(PollThreadTest, StartedQuietSendsNothingUntilResumed) {
  int repaints = 0;
  EngineHooks.Repaint = [&] { ++repaints; };
  PauseRequest = true;
  Suspended = true;
  StartPolling();
  std::this_thread::sleep_for(std::chrono::milliseconds(80));
  EXPECT_EQ(realKeyboard.Count(), 0u);
  Pause();  // already quiet: returns
  Resume();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  StopPolling();
  EXPECT_GE(repaints, 1);
  EXPECT_EQ(Downs(0x31), 0u);
}

TEST_F(PollThreadTest, NothingThrownByAHookEndsTheProgram) {
  std::atomic<int> polls{0}, commands{0};
  EngineHooks.PollDevice = [&, poll = EngineHooks.PollDevice] {
    if (++polls % 2) throw std::runtime_error("device lost");
    return poll();
  };
  EngineHooks.SysCommand = [&](bool, int32_t, int32_t) {
    ++commands;
    throw std::runtime_error("mixer gone");
  };
  EngineHooks.Repaint = [] { throw std::runtime_error("no window"); };
  EngineHooks.MainWindowVisible = []() -> bool { throw std::runtime_error("no window"); };
  ProfileButtons[0].Events.Press.SysCmd = 16;
  ProfileButtons[0].Events.Hold = Key(0x42);
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  device.Button(0, 1);
  ASSERT_TRUE(WaitUntil([&] { return realKeyboard.KeysDown().count(0x42) == 1; }));
  EXPECT_EQ(commands, 1);
  StopPolling();
  EXPECT_FALSE(Running);
  EXPECT_TRUE(realKeyboard.KeysDown().empty());
}

TEST_F(PollThreadTest, FailedStartLeavesTheEngineStopped) {
  EngineHooks.RebuildList = [] { throw std::runtime_error("no list"); };
  EXPECT_THROW(StartPolling(), std::runtime_error);
  ASSERT_FALSE(Running);
  Pause();  // returns at once: nothing runs
  Resume();
  StopPolling();
  EXPECT_FALSE(TerminateRequest);
  EngineHooks.RebuildList = {};
  StartPolling();
  EXPECT_TRUE(WaitUntil([&] { return HoldDown(); }));
}

// Resume followed quickly by Pause: Pause must not take the last pause's
// answer for this one while the thread is about to press the held keys.
TEST_F(PollThreadTest, PauseReturnsOnlyOnceThisRequestIsAnswered) {
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  Pause();
  for (int i = 0; i < 20; ++i) {
    Resume();
    std::this_thread::sleep_for(std::chrono::milliseconds(i % 4 * 10));
    Pause();
    const size_t quiet = realKeyboard.Count();
    EXPECT_TRUE(realKeyboard.KeysDown().empty()) << i;
    std::this_thread::sleep_for(std::chrono::milliseconds(35));
    ASSERT_EQ(realKeyboard.Count(), quiet) << "keys sent while paused, round " << i;
  }
}

TEST_F(PollThreadTest, StopAndPauseFromTheThreadItselfDoNothing) {
  std::atomic<int> commands{0};
  EngineHooks.SysCommand = [&](bool, int32_t, int32_t) {
    StopPolling();
    Pause();
    ++commands;
  };
  ProfileButtons[0].Events.Press.SysCmd = 16;
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  device.Button(0, 1);
  ASSERT_TRUE(WaitUntil([&] { return commands == 1; }));
  EXPECT_TRUE(Running);
  StopPolling();
  EXPECT_FALSE(Running);
}

// On a clock where only signals end long waits: the window side's requests
// must wake the thread themselves, as must every change of the device, even
// when many come between two readings and the event holds only one.
class SignalledThreadTest : public PollThreadTest {
 protected:
  void SetUp() override {
    PollThreadTest::SetUp();
    InstallSeams(&realKeyboard, &layout, &signalOnly);
  }
  // False when the call did not return in 5 s; the thread is then woken
  // until it does, so that the test can end.
  static bool ReturnsPromptly(std::function<void()> call) {
    auto done = std::async(std::launch::async, std::move(call));
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) Seams().Wake->Signal();
    return false;
  }
  sim::SignalOnlyClock signalOnly{steady, 40};
};

TEST_F(SignalledThreadTest, PauseResumeAndStopWakeTheThreadThemselves) {
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return HoldDown(); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // asleep, with nothing due soon
  EXPECT_TRUE(ReturnsPromptly([] { Pause(); }));
  EXPECT_TRUE(realKeyboard.KeysDown().empty());
  Resume();
  EXPECT_TRUE(WaitUntil([&] { return HoldDown(); }));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_TRUE(ReturnsPromptly([] { StopPolling(); }));
  EXPECT_FALSE(Running);
}

TEST_F(SignalledThreadTest, ChangesFasterThanReadingsAllArriveInTheEnd) {
  // No held key: its repeats would wake the thread without any signal.
  ProfileAxes[0].Position(2).Events = TKeyEvents{};
  ProfileAxes[0].Down = Key(0x28);
  device.Axis(0, 1000);
  StartPolling();
  ASSERT_TRUE(WaitUntil([&] { return RtLoad(ProfileAxes[0].LastPos) == 1; }));
  const int32_t rests[] = {1000, 20000, 40000, 64000};
  std::mt19937 rng(7);
  for (int i = 0; i < 2000; ++i) {
    device.Axis(0, rests[std::uniform_int_distribution<size_t>(0, 3)(rng)]);
    if (i % 64 == 0) std::this_thread::sleep_for(std::chrono::microseconds(300));
  }
  device.Axis(0, rests[3]);
  EXPECT_TRUE(WaitUntil([&] { return RtLoad(ProfileAxes[0].LastPos) == 4; }));
  StopPolling();
  // Steps taken add up to the whole way from notch 1 to notch 4.
  const auto ups = static_cast<int>(Downs(0x26));
  const auto downs = static_cast<int>(Downs(0x28));
  EXPECT_EQ(ups - downs, 3);
}

// What the control list paints while the thread runs; ThreadSanitizer
// reports any of these written without an atomic store.
TEST_F(PollThreadTest, PaintedFieldsAreReadWhileTheThreadWritesThem) {
  JoySettings.Axes[0].HangPos = hpMin;
  ProfileButtons[0].ParkPos = ppPress;
  StartPolling();
  bool sawHanging = false;
  for (int i = 0; i < 200 && !sawHanging; ++i) {
    device.Axis(0, i % 2 ? 100 : 20000);
    device.Button(0, i % 2);
    device.Hat(0, i % 2 ? 9000 : -1);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const TAxisTracker& t = AxisTrackers[0];
    sawHanging = RtLoad(t.OutOfRange) && RtLoad(t.CurrentNumber) == 2;
    [[maybe_unused]] volatile int painted = RtLoad(ProfileAxes[0].CurrentPos) +
                                            RtLoad(ProfileAxes[0].Synced) + RtLoad(ProfileButtons[0].Synced) +
                                            RtLoad(HatCurrentDir[0]) + RtLoad(ButtonLastState[0]);
  }
  StopPolling();
  EXPECT_TRUE(sawHanging);
}

}  // namespace
}  // namespace qv::test
