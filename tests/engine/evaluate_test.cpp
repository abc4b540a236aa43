#include <tuple>
#include <vector>

#include "EngineFixture.h"
#include "engine/SysCmd.h"

namespace qv::test {
namespace {

constexpr uint16_t VkUp = 0x26;
constexpr uint16_t VkDown = 0x28;

class EvaluateTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    MakeFourNotchLever(0);
    TProfileAxis& a = ProfileAxes[0];
    a.Up = Key(VkUp);
    a.Down = Key(VkDown);
  }
  void MoveTo(int32_t raw) {
    device.Axis(0, raw);
    Evaluate(true);
  }
  size_t Count(uint16_t vk, bool up) const {
    size_t n = 0;
    for (const TKeyInput& r : keyboard.Inputs()) n += r.Vk == vk && ((r.Flags & KeyFlagUp) != 0) == up;
    return n;
  }
};

// How many step keys each move sends: the distance in user indexes plus the
// resync taps at either end, every count from the file bounded where it is
// used and kept as read.
TEST_F(EvaluateTest, StepCountsFollowUserIndexesAndResyncWithinBounds) {
  struct Move {
    int32_t To;
    size_t Ups, Downs;
  };
  struct Case {
    const char* name;
    void (*setup)(TProfileAxis&);
    int32_t from;
    std::vector<Move> moves;
  };
  const Case cases[] = {
      // Positions 1..4 stand for notches 1, 2, 4, 5 of the simulator's lever;
      // 5 -> 4 is no end, 4 -> 1 the lowest: 3 + ResyncFirst.
      {"user indexes with resync",
       [](TProfileAxis& a) {
         a.Position(3).UserIndex = 4, a.Position(4).UserIndex = 5, a.ResyncLast = 2, a.ResyncFirst = 1;
       },
       20000,
       {{64000, 5, 0}, {40000, 0, 1}, {1000, 0, 4}}},
      // A table built without a reset numbers its positions as a reset does.
      {"fresh table", [](TProfileAxis& a) { a = TProfileAxis{}, a.Up = Key(VkUp); }, 1000, {{64000, 3, 0}}},
      {"huge counts capped",
       [](TProfileAxis& a) {
         a.Position(1).UserIndex = -2147483647 - 1, a.Position(2).UserIndex = 2147483647;
         a.ResyncLast = a.Up.Repeat = 2147483647;
       },
       1000,
       {{20000, static_cast<size_t>(MaxTapCount), 0}}},
      {"negative counts: no resync, a repeat of one",
       [](TProfileAxis& a) { a.ResyncFirst = -5, a.Up.Repeat = -3; },
       1000,
       {{20000, 1, 0}, {1000, 0, 0}}},
      {"same user index", [](TProfileAxis& a) { a.Position(2).UserIndex = 1; }, 1000, {{20000, 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    TProfileAxis& a = ProfileAxes[0];
    c.setup(a);
    const int32_t first = a.ResyncFirst, last = a.ResyncLast, repeat = a.Up.Repeat;
    device.Axis(0, c.from);
    StartEngine();
    for (const Move& m : c.moves) {
      keyboard.Clear();
      MoveTo(m.To);
      EXPECT_EQ(Count(VkUp, false), m.Ups) << m.To;
      EXPECT_EQ(Count(VkDown, false), m.Downs) << m.To;
      EXPECT_TRUE(keyboard.KeysDown().empty());
    }
    EXPECT_EQ(a.ResyncFirst, first);
    EXPECT_EQ(a.ResyncLast, last);
    EXPECT_EQ(a.Up.Repeat, repeat);
  }
}

TEST_F(EvaluateTest, JumpLeavesOnceStepsSummedAndEntersOnce) {
  TProfileAxis& a = ProfileAxes[0];
  for (int p = 1; p <= 4; ++p) {
    a.Position(p).Events.Press = Key(0x7B + p);  // F13..F16
    a.Position(p).Events.Release = Key(0x40 + p);
  }
  device.Axis(0, 1000);
  StartEngine();
  keyboard.Clear();
  MoveTo(64000);
  const std::vector<TKeyInput> expected{
      Down(0x41, 0x1E), Up(0x41, 0x1E),  // release tap of position 1
      // A key given by Vkey alone carries only the extended flag the action
      // sets, even where the layout knows the key as an extended one.
      Down(VkUp, 0x48), Up(VkUp, 0x48), Down(VkUp, 0x48), Up(VkUp, 0x48), Down(VkUp, 0x48), Up(VkUp, 0x48),
      Down(0x7F, 0), Up(0x7F, 0),  // press tap of position 4 (F16, a key the layout lacks)
  };
  EXPECT_EQ(keyboard.Inputs(), expected);
}

TEST_F(EvaluateTest, SilentReEntryPressesHoldWithoutTapsOrSteps) {
  TProfileAxis& a = ProfileAxes[0];
  a.Position(2).Events.Press = Key(0x31);
  a.Position(2).Events.Hold = Key(0x41);
  device.Axis(0, 20000);
  StartEngine();
  EXPECT_EQ(keyboard.Inputs(), (std::vector<TKeyInput>{Down(0x41, 0x1E)}));
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41}));
}

TEST_F(EvaluateTest, AxisWithInitialPosWaitsForItsLever) {
  TProfileAxis& a = ProfileAxes[0];
  a.InitialPos = 1;
  a.Position(1).Events.Press = Key(0x31);
  a.Position(3).Events.Press = Key(0x33);
  device.Axis(0, 40000);
  StartEngine();
  EXPECT_FALSE(a.Synced);
  MoveTo(64000);
  EXPECT_EQ(keyboard.Count(), 0u);
  MoveTo(1000);
  EXPECT_TRUE(a.Synced);
  EXPECT_EQ(a.LastPos, 1);
  EXPECT_EQ(keyboard.Count(), 0u);
  MoveTo(40000);
  EXPECT_EQ(Count(VkUp, false), 2u);
  EXPECT_EQ(Count(0x33, false), 1u);

  // Keep mode leaves a synced axis synced; full mode makes it wait again.
  RebuildTrackers();
  Synchronise(TSyncMode::Keep);
  EXPECT_TRUE(a.Synced);
  Synchronise(TSyncMode::Full);
  EXPECT_FALSE(a.Synced);
  // An InitialPos beyond the lever's positions means none.
  a.InitialPos = 5;
  Synchronise(TSyncMode::Full);
  EXPECT_TRUE(a.Synced);
}

TEST_F(EvaluateTest, ParkAxisLeavesItsEventsAndWaits) {
  TProfileAxis& a = ProfileAxes[0];
  a.InitialPos = 1;
  a.Position(3).Events.Hold = Key(0x41);
  a.Position(3).Events.Release = Key(0x42);
  device.Axis(0, 1000);
  StartEngine();
  MoveTo(40000);
  keyboard.Clear();
  ParkAxis(7);  // no such Index: nothing
  EXPECT_EQ(keyboard.Count(), 0u);
  ParkAxis(0);
  EXPECT_FALSE(a.Synced);
  EXPECT_EQ(keyboard.Inputs(), (std::vector<TKeyInput>{Up(0x41, 0x1E)}));
  MoveTo(20000);
  EXPECT_EQ(keyboard.Count(), 1u);
  MoveTo(1000);
  EXPECT_TRUE(a.Synced);
  // At InitialPos already: parking has nothing to do.
  ParkAllAxes();
  EXPECT_TRUE(a.Synced);
}

TEST_F(EvaluateTest, HatNorthToEastAndCentred) {
  TProfileHat& h = ProfileHats[0];
  h.Directions[0].Hold = Key(0x57);
  h.Directions[2].Hold = Key(0x44);
  h.Directions[2].Release = Key(0x5A);
  StartEngine();
  device.Hat(0, 0);
  Evaluate(true);
  device.Hat(0, 9000);
  EXPECT_TRUE(Evaluate(true));
  device.Hat(0, 35000);  // still north after a full turn
  Evaluate(true);
  device.Hat(0, -1);
  Evaluate(true);
  EXPECT_EQ(keyboard.Inputs(),
            (std::vector<TKeyInput>{Down(0x57, 0x11), Up(0x57, 0x11), Down(0x44, 0x20), Up(0x44, 0x20),
                                    Down(0x5A, 0x2C), Up(0x5A, 0x2C), Down(0x57, 0x11), Up(0x57, 0x11)}));
  EXPECT_EQ(h.LastDir, -1);
  EXPECT_FALSE(Evaluate(true));
}

TEST_F(EvaluateTest, ParkedPressButtonKeepsHoldUntilPressedAndReleased) {
  TProfileButton& b = ProfileButtons[1];
  b.ParkPos = ppPress;
  b.Events.Hold = Key(0x41);
  StartEngine();
  EXPECT_FALSE(b.Synced);
  device.Button(1, 128);
  Evaluate(true);
  EXPECT_TRUE(b.Synced);
  device.Button(1, 0);
  Evaluate(true);
  EXPECT_TRUE(keyboard.KeysDown().empty());
  ParkAllButtons();
  EXPECT_FALSE(b.Synced);
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41}));
  Evaluate(true);
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41}));
  device.Button(1, 128);
  Evaluate(true);
  EXPECT_EQ(keyboard.KeysDown(), (std::set<uint16_t>{0x41}));
  device.Button(1, 0);
  Evaluate(true);
  EXPECT_TRUE(keyboard.KeysDown().empty());
}

TEST_F(EvaluateTest, ParkedReleaseButtonLetsGoAndWaitsForRelease) {
  TProfileButton& b = ProfileButtons[0];
  b.ParkPos = ppRelease;
  b.Events.Hold = Key(0x41);
  b.Events.Press = Key(0x31);
  StartEngine();
  EXPECT_TRUE(b.Synced);
  device.Button(0, 1);
  Evaluate(true);
  ParkAllButtons();
  EXPECT_FALSE(b.Synced);
  EXPECT_TRUE(keyboard.KeysDown().empty());
  device.Button(0, 0);
  Evaluate(true);
  EXPECT_TRUE(b.Synced);
  device.Button(0, 1);
  Evaluate(true);
  EXPECT_EQ(Count(0x31, false), 2u);
}

// A parking command runs in the middle of a cycle; the buttons after the one
// that carries it are judged by their readings, not by the last cycle.
TEST_F(EvaluateTest, ParkAllButtonsJudgesTheButtonsNotYetEvaluated) {
  EngineHooks.SysCommand = DispatchSysCmd;
  ProfileButtons[0].Events.Press.SysCmd = 11;
  TProfileButton& b = ProfileButtons[1];
  b.ParkPos = ppRelease;
  b.Events.Press = Key(0x42);
  b.Events.Hold = Key(0x41);
  b.Events.Release = Key(0x43);
  StartEngine();
  // Both pressed in one cycle: button 1 is parked before it is evaluated.
  device.Button(0, 1);
  device.Button(1, 1);
  Evaluate(true);
  EXPECT_FALSE(b.Synced);
  EXPECT_EQ(Count(0x42, false), 0u);
  EXPECT_TRUE(keyboard.KeysDown().empty());
  device.Button(0, 0);
  device.Button(1, 0);
  Evaluate(true);
  EXPECT_TRUE(b.Synced);
  EXPECT_EQ(Count(0x43, false), 0u);

  // Button 1 held, then both change in one cycle: the release is evaluated
  // in full, Release tap included.
  device.Button(1, 1);
  Evaluate(true);
  keyboard.Clear();
  device.Button(0, 1);
  device.Button(1, 0);
  Evaluate(true);
  EXPECT_TRUE(b.Synced);
  EXPECT_EQ(Count(0x43, false), 1u);
  EXPECT_TRUE(keyboard.KeysDown().empty());
}

TEST_F(EvaluateTest, SystemCommandsGoToTheDispatcher) {
  using Call = std::tuple<bool, int32_t, int32_t>;  // up, command, count
  std::vector<Call> calls;
  EngineHooks.SysCommand = [&](bool up, int32_t command, int32_t count) {
    calls.emplace_back(up, command, count);
  };
  TKeyEvents& e = ProfileButtons[0].Events;
  e.Press.SysCmd = 19;
  e.Press.Repeat = 5;
  e.Hold.SysCmd = 15;
  e.Hold.Vkey = 0x41;  // ignored: a command is never typed or repeated
  StartEngine();
  device.Button(0, 1);
  Evaluate(true);
  device.Button(0, 0);
  Evaluate(true);
  EXPECT_EQ(calls, (std::vector<Call>{{false, 19, 5}, {false, 15, 1}, {true, 15, 1}}));
  EXPECT_EQ(keyboard.Count(), 0u);
  EXPECT_EQ(AutoRepeatKey().Vkey, 0);
}

// Parking commands can sit among the very events that parking enters or
// leaves; a profile like that must neither recurse nor leave a key down.
TEST_F(EvaluateTest, ParkingFromInsideTheParkedEvents) {
  EngineHooks.SysCommand = DispatchSysCmd;
  TProfileButton& b = ProfileButtons[0];
  b.ParkPos = ppPress;
  b.Events.Hold.SysCmd = 11;
  b.Events.Press = Key(0x41);
  device.Button(0, 1);
  StartEngine();
  device.Button(0, 0);
  Evaluate(true);
  ParkAllButtons();
  EXPECT_FALSE(b.Synced);

  TProfileAxis& a = ProfileAxes[0];
  a.InitialPos = 1;
  a.Position(2).Events.Hold = Key(0x44);
  a.Position(2).Events.Press.SysCmd = 1;  // entering position 2 parks the axis itself
  RebuildTrackers();
  device.Axis(0, 1000);
  Evaluate(true);
  device.Axis(0, 20000);
  Evaluate(true);
  EXPECT_FALSE(a.Synced);
  device.Axis(0, 1000);
  Evaluate(true);
  EXPECT_TRUE(a.Synced);
  EXPECT_EQ(keyboard.KeysDown().count(0x44), 0u);
}

}  // namespace
}  // namespace qv::test
