#include <vector>

#include "EngineFixture.h"

namespace qv::test {
namespace {

class TrackerTest : public EngineTest {
 protected:
  int32_t ReadAt(int32_t raw) {
    device.Axis(0, raw);
    ReadControls();
    return ProfileAxes[0].CurrentPos;
  }
};

// Each case a lever on top of the four-notch one (rest values 1000, 20000,
// 40000, 64000: boundaries at 10500, 30000 and 52000) and readings in order,
// each with the position it must give and whether it lies in a hanging zone.
TEST_F(TrackerTest, ReadingsFindTheirSegmentWithTheNoiseMarginAroundIt) {
  struct Reading {
    int32_t Raw, Position;
    bool Hanging = false;
  };
  struct Case {
    const char* name;
    void (*setup)(TAxisSettings&);
    std::vector<Reading> readings;
  };
  const Case cases[] = {
      // The default noise of 1 %, 656, is crossed before a segment is left, either way.
      {"margin around the first boundary",
       [](TAxisSettings&) {},
       {{1000, 1}, {10800, 1}, {11156, 1}, {11157, 2}, {9845, 2}, {9844, 1}}},
      {"margin around the upper boundaries",
       [](TAxisSettings&) {},
       {{20000, 2}, {30656, 2}, {30657, 3}, {52656, 3}, {52657, 4}, {65535, 4}, {51345, 4}, {51344, 3}}},
      {"first reading and jumps from anywhere",
       [](TAxisSettings&) {},
       {{45000, 3}, {0, 1}, {65535, 4}, {20000, 2}}},
      {"no margin with no noise", [](TAxisSettings&) { JoySettings.Noise = 0; }, {{10500, 1}, {10501, 2}}},
      {"reversed numbers from the high end",
       [](TAxisSettings& s) { s.Reverse = true; },
       {{1000, 4}, {64000, 1}}},
      // Below half the first rest value the lever hangs: the position stays.
      {"hanging zone at the low end",
       [](TAxisSettings& s) { s.HangPos = hpMin; },
       {{20000, 2}, {499, 2, true}, {500, 1}}},
      {"hanging zone at the high end",
       [](TAxisSettings& s) { s.HangPos = hpMax; },
       {{1000, 1}, {65000, 1, true}, {64767, 4}, {64768, 4, true}}},
      // Neutral 32768 with a threshold of 10 %: 29491 and 36044 bound the middle.
      {"analog zones",
       [](TAxisSettings& s) {
         s.Type = atAnalog, s.Neutral = 32768, s.Threshold = 10;
         JoySettings.Noise = 0;
       },
       {{32768, 2}, {0, 1}, {29491, 1}, {29492, 2}, {36044, 2}, {36045, 3}, {65535, 3}}},
      {"analog neutral at the high end has two zones",
       [](TAxisSettings& s) {
         s.Type = atAnalog, s.Neutral = 65535, s.Threshold = 10;
         JoySettings.Noise = 0;
       },
       {{58981, 1}, {58982, 2}, {65535, 2}}},
      {"analog neutral at the low end has two zones",
       [](TAxisSettings& s) {
         s.Type = atAnalog, s.Neutral = 0, s.Threshold = 10;
         JoySettings.Noise = 0;
       },
       {{0, 1}, {6553, 1}, {6554, 2}, {65535, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();  // a fresh tracker: the first reading comes from nowhere
    MakeFourNotchLever(0);
    c.setup(JoySettings.Axes[0]);
    RebuildTrackers();
    for (const Reading& r : c.readings) {
      EXPECT_EQ(ReadAt(r.Raw), r.Position) << r.Raw;
      EXPECT_EQ(AxisTrackers[0].OutOfRange, r.Hanging) << r.Raw;
    }
  }
}

// A segment reaching 0 or 65535 while it is not the first or last has its
// band clamped short of that end: the end reading must still leave it.
TEST_F(TrackerTest, ExtremeReadingsLeaveAnInnerSegmentThatReachesTheEnd) {
  struct TCase {
    int32_t Neutral, Threshold, From, To, Expected;
  } cases[] = {
      {65535, 0, 30000, 65535, 2},    // one inner segment covers everything
      {0, 100, 100, 65535, 2},        // the same, numbered from neutral
      {30000, 100, 30000, 65535, 3},  // inner segment 2 ends at 65535
      {30000, 100, 30000, 0, 1},      // and starts at 1: 0 leaves it downwards
      {65535, 100, 30000, 0, 1},
  };
  for (const TCase& c : cases) {
    TAxisSettings& s = JoySettings.Axes[0];
    s.Type = atAnalog;
    s.Neutral = c.Neutral;
    s.Threshold = c.Threshold;
    RebuildTrackers();
    ReadAt(c.From);
    EXPECT_EQ(ReadAt(c.To), c.Expected)
        << c.Neutral << "/" << c.Threshold << ": " << c.From << " -> " << c.To;
  }
}

TEST_F(TrackerTest, UnusedOrEmptyLeversAreNotEvaluated) {
  JoySettings.Axes[0].Type = atMultipos;
  RebuildTrackers();
  EXPECT_FALSE(AxisTrackers[0].Active);
  EXPECT_EQ(ProfileAxes[0].PosCount, 0);
  EXPECT_FALSE(AxisTrackers[1].Active);
}

TEST_F(TrackerTest, PosLimitCutsPositionsAndDerivedFieldsFollowIt) {
  MakeFourNotchLever(0);
  TProfileAxis& a = ProfileAxes[0];
  a.PosLimit = 2;
  a.Position(2).UserIndex = 7;
  a.Position(4).UserIndex = 99;  // beyond the limit: not counted
  a.Position(3).Events.Hold = Key(0x41);
  RebuildTrackers();
  EXPECT_EQ(a.PosCount, 2);
  EXPECT_EQ(a.MinUserIndex, 1);
  EXPECT_EQ(a.MaxUserIndex, 7);
  EXPECT_TRUE(a.Remapped);
  EXPECT_FALSE(a.HasPosKeys);
  EXPECT_EQ(ReadAt(64000), 2);
  EXPECT_EQ(AxisTrackers[0].CurrentNumber, 4);
}

TEST_F(TrackerTest, UntrustedCountsStayInsideTheTables) {
  MakeFourNotchLever(0);
  JoySettings.Axes[0].Count = 1000;
  JoySettings.Noise = 2147483647;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].SegmentCount, MaxPositions);
  EXPECT_GE(ReadAt(30000), 1);
}

TEST(HatDirection, HundredthsOfDegrees) {
  EXPECT_EQ(HatDirection(-1), HatCentred);
  EXPECT_EQ(HatDirection(0), 0);
  EXPECT_EQ(HatDirection(2249), 0);
  EXPECT_EQ(HatDirection(2250), 1);
  EXPECT_EQ(HatDirection(9000), 2);
  EXPECT_EQ(HatDirection(31500), 7);
  EXPECT_EQ(HatDirection(35000), 0);
  EXPECT_EQ(HatDirection(2147483647), 3);  // no overflow on the way
}

TEST_F(TrackerTest, HatsReadIntoCurrentDir) {
  device.Hat(0, 9000);
  ReadControls();
  EXPECT_EQ(HatCurrentDir[0], 2);
  device.Hat(0, -1);
  ReadControls();
  EXPECT_EQ(HatCurrentDir[0], HatCentred);
}

}  // namespace
}  // namespace qv::test
