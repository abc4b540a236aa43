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

TEST_F(TrackerTest, FourNotchLeverSegmentsAndMargin) {
  MakeFourNotchLever(0);
  RebuildTrackers();
  const TAxisTracker& t = AxisTrackers[0];
  ASSERT_TRUE(t.Active);
  ASSERT_EQ(t.SegmentCount, 4);
  EXPECT_EQ(t.Segments[0].High, 10500);
  EXPECT_EQ(t.Segments[1].Low, 10501);
  EXPECT_EQ(t.Segments[1].High, 30000);
  EXPECT_EQ(t.Segments[2].High, 52000);
  EXPECT_EQ(t.Segments[3].High, 65535);
  EXPECT_EQ(t.NoiseMargin, 656);
  EXPECT_EQ(ProfileAxes[0].PosCount, 4);
  EXPECT_EQ(ReadAt(1000), 1);
  EXPECT_EQ(ReadAt(10800), 1);
  EXPECT_EQ(ReadAt(11156), 1);
  EXPECT_EQ(ReadAt(11157), 2);
  // Back down: the band of segment 2 reaches 10501 - 656.
  EXPECT_EQ(ReadAt(9845), 2);
  EXPECT_EQ(ReadAt(9844), 1);
}

TEST_F(TrackerTest, FirstReadingAndJumpsFindTheSegmentFromAnywhere) {
  MakeFourNotchLever(0);
  RebuildTrackers();
  EXPECT_EQ(ProfileAxes[0].CurrentPos, 0);
  EXPECT_EQ(ReadAt(45000), 3);
  EXPECT_EQ(ReadAt(0), 1);
  EXPECT_EQ(ReadAt(65535), 4);
  // The extreme values always leave an inner segment.
  EXPECT_EQ(AxisTrackers[0].LowerBound, 52001 - 656);
  EXPECT_EQ(ReadAt(20000), 2);
  EXPECT_EQ(AxisTrackers[0].UpperBound, 30656);
}

TEST_F(TrackerTest, ReverseNumbersFromTheHighEnd) {
  MakeFourNotchLever(0);
  JoySettings.Axes[0].Reverse = true;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].Segments[0].Number, 4);
  EXPECT_EQ(AxisTrackers[0].Segments[3].Number, 1);
  EXPECT_EQ(ReadAt(1000), 4);
  EXPECT_EQ(ReadAt(64000), 1);
}

TEST_F(TrackerTest, HangingZoneAtMinKeepsThePosition) {
  MakeFourNotchLever(0);
  JoySettings.Axes[0].HangPos = hpMin;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].ValidMin, 500);
  EXPECT_EQ(ReadAt(20000), 2);
  EXPECT_EQ(ReadAt(499), 2);
  EXPECT_TRUE(AxisTrackers[0].OutOfRange);
  EXPECT_EQ(ReadAt(500), 1);
  EXPECT_FALSE(AxisTrackers[0].OutOfRange);
}

TEST_F(TrackerTest, HangingZoneAtMax) {
  MakeFourNotchLever(0);
  JoySettings.Axes[0].HangPos = hpMax;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].ValidMax, (64000 + 65535) / 2);
  EXPECT_EQ(ReadAt(1000), 1);
  EXPECT_EQ(ReadAt(65000), 1);
}

TEST_F(TrackerTest, AnalogZones) {
  TAxisSettings& s = JoySettings.Axes[0];
  s.Type = atAnalog;
  s.Neutral = 32768;
  s.Threshold = 10;
  RebuildTrackers();
  const TAxisTracker& t = AxisTrackers[0];
  ASSERT_EQ(t.SegmentCount, 3);
  EXPECT_EQ(t.Segments[0].High, 29491);
  EXPECT_EQ(t.Segments[1].High, 36044);
  EXPECT_EQ(t.Segments[2].High, 65535);
  EXPECT_EQ(ReadAt(32768), 2);
  EXPECT_EQ(ReadAt(0), 1);

  s.Neutral = 0;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].SegmentCount, 2);
  s.Neutral = 65535;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].SegmentCount, 2);
  EXPECT_EQ(AxisTrackers[0].Segments[0].High, 58981);
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

TEST_F(TrackerTest, NoiseZeroMeansNoMargin) {
  MakeFourNotchLever(0);
  JoySettings.Noise = 0;
  RebuildTrackers();
  EXPECT_EQ(AxisTrackers[0].NoiseMargin, 0);
  EXPECT_EQ(ReadAt(10500), 1);
  EXPECT_EQ(ReadAt(10501), 2);
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
  EXPECT_EQ(HatDirection(2147483647), (2147483647LL + 2250) / 4500 % 8);
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
