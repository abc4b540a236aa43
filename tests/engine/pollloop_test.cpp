// The poll cycle stepped by hand on the virtual clock.
#include "EngineFixture.h"
#include "engine/PollThread.h"

namespace qv::test {
namespace {

class PollLoopTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    PauseRequest = false;
    Suspended = false;
    ResyncRequest = true;
    EngineHooks.Repaint = [this] { ++repaints; };
    EngineHooks.MainWindowVisible = [this] { return visible; };
    MakeFourNotchLever(0);
    ProfileAxes[0].Up = Key(0x26);
    ProfileAxes[0].Down = Key(0x28);
    device.Axis(0, 1000);
    RebuildTrackers();
    loop.Begin();
  }
  void TearDown() override {
    PauseRequest = false;
    Suspended = false;
    EngineTest::TearDown();
  }
  void Wiggle(int cycles) {
    for (int i = 0; i < cycles; ++i) {
      device.Axis(0, i % 2 ? 1000 : 20000);
      loop.Cycle();
    }
  }

  TPollLoop loop;
  int repaints = 0;
  bool visible = true;
};

TEST_F(PollLoopTest, ActiveCyclesRepaintAtMostEverySixthCycleAndOnlyWhenVisible) {
  const uint32_t start = clock.Now();
  Wiggle(12);
  EXPECT_EQ(clock.Now() - start, 12u * 5u);
  EXPECT_EQ(repaints, 2);
  visible = false;
  Wiggle(12);
  EXPECT_EQ(repaints, 2);
  // Nothing changing: nothing to repaint.
  visible = true;
  Wiggle(1);
  for (int i = 0; i < 20; ++i) loop.Cycle();
  EXPECT_EQ(repaints, 3);
}

TEST_F(PollLoopTest, QuietCyclesRepaintEveryTimeAndSendNothing) {
  PauseRequest = true;
  loop.Cycle();
  ASSERT_TRUE(Suspended);
  keyboard.Clear();
  const int before = repaints;
  const uint32_t start = clock.Now();
  Wiggle(4);
  EXPECT_EQ(clock.Now() - start, 4u * 30u);
  EXPECT_EQ(repaints, before + 4);
  EXPECT_EQ(keyboard.Count(), 0u);
  // Readings go on while quiet, so the lever's position is known on return.
  device.Axis(0, 64000);
  loop.Cycle();
  EXPECT_EQ(ProfileAxes[0].CurrentPos, 4);
  PauseRequest = false;
  loop.Cycle();
  EXPECT_FALSE(Suspended);
  EXPECT_EQ(keyboard.Count(), 0u);  // re-entered silently: no steps for the move made while quiet
}

}  // namespace
}  // namespace qv::test
