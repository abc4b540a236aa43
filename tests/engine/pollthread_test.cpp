// The poll thread's life with a real thread and the real clock.
#include "engine/PollThread.h"

#include <chrono>
#include <mutex>
#include <set>
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

TEST_F(PollThreadTest, StopWhenNotRunningReturnsAtOnce) {
  const auto start = std::chrono::steady_clock::now();
  StopPolling();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
  EXPECT_FALSE(Running);
  EXPECT_FALSE(TerminateRequest);
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

}  // namespace
}  // namespace qv::test
