// The poll cycle stepped by hand on the virtual clock.
#include <vector>

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
  // The lever moves between notches 1 and 2 in every cycle.
  void Wiggle(int cycles) {
    for (int i = 0; i < cycles; ++i) {
      device.Axis(0, ++moves % 2 ? 20000 : 1000);
      loop.Cycle();
    }
  }

  TPollLoop loop;
  int moves = 0;
  int repaints = 0;
  bool visible = true;
};

TEST_F(PollLoopTest, ActiveCyclesRepaintAtMostEverySixthCycleAndOnlyWhenVisible) {
  const uint32_t start = clock.Now();
  std::vector<int> repaintedAt;
  for (int cycle = 1; cycle <= 18; ++cycle) {
    const int before = repaints;
    Wiggle(1);
    if (repaints != before) repaintedAt.push_back(cycle);
  }
  EXPECT_EQ(repaintedAt, (std::vector<int>{6, 12, 18}));
  EXPECT_EQ(clock.Now() - start, 18u * 5u);
  visible = false;
  Wiggle(12);
  EXPECT_EQ(repaints, 3);
  // Nothing changing: nothing to repaint.
  visible = true;
  Wiggle(1);
  for (int i = 0; i < 20; ++i) loop.Cycle();
  EXPECT_EQ(repaints, 4);
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
