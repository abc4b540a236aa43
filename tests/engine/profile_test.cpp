#include "EngineFixture.h"

namespace qv::test {
namespace {

using ProfileTest = EngineTest;

TEST_F(ProfileTest, ResetClearsTheProfileAndTellsTheWindowSide) {
  int notices = 0;
  EngineHooks.ProfileChanged = [&] { ++notices; };
  ProfileAxes[3].Position(4).UserIndex = 9;
  ProfileAxes[3].Up = Key(0x41);
  ProfileAxes[3].InitialPos = 2;
  ProfileButtons[127].Events.Hold = Key(0x41);
  ProfileButtons[127].ParkPos = ppPress;
  ProfileHats[0].Directions[7].Press = Key(0x41);
  ProfileHats[3].Directions[7].Press = Key(0x41);  // beyond the device's one hat
  ShiftPause = 5;
  TapPause = 7;
  ProfileFileName = u"x.qvprof";
  ResetProfile();
  EXPECT_EQ(notices, 1);
  EXPECT_EQ(ProfileAxes[3].Position(4).UserIndex, 4);
  EXPECT_TRUE(ProfileAxes[3].Up.Empty());
  EXPECT_EQ(ProfileAxes[3].InitialPos, 0);
  EXPECT_TRUE(ProfileButtons[127].Events.Empty());
  EXPECT_EQ(ProfileButtons[127].ParkPos, ppNone);
  EXPECT_TRUE(ProfileHats[0].Directions[7].Empty());
  EXPECT_FALSE(ProfileHats[3].Directions[7].Empty());
  EXPECT_FALSE(CompatibilityInUse());
  EXPECT_TRUE(ProfileFileName.empty());
  ProfileHats[3].Directions[7].Clear();
}

TEST_F(ProfileTest, RunTimeResetCoversExactlyTheDeviceControls) {
  ButtonLastState[3] = 1;
  ButtonLastState[4] = 1;  // beyond the four device buttons
  ProfileAxes[1].LastPos = 3;
  ProfileAxes[2].LastPos = 3;
  ProfileHats[0].LastDir = 2;
  ResetRunTimeState();
  EXPECT_EQ(ButtonLastState[3], 0);
  EXPECT_EQ(ButtonLastState[4], 1);
  EXPECT_EQ(ProfileAxes[1].LastPos, -1);
  EXPECT_EQ(ProfileAxes[2].LastPos, 3);
  EXPECT_EQ(ProfileHats[0].LastDir, -1);
  ButtonLastState[4] = 0;
}

TEST_F(ProfileTest, HasEventsAndCompatibility) {
  TProfileAxis& a = ProfileAxes[0];
  EXPECT_FALSE(HasEvents(a, 2));
  a.Position(2).UserIndex = 3;
  EXPECT_TRUE(HasEvents(a, 2));
  a.Position(5).Events.Release = Key(0x41);
  EXPECT_TRUE(HasEvents(a, 5));
  EXPECT_FALSE(HasEvents(a, 0));
  EXPECT_FALSE(HasEvents(a, 33));
  TapPause = 1;
  EXPECT_TRUE(CompatibilityInUse());
  TapPause = 0;
  ShiftPause = 1;
  EXPECT_TRUE(CompatibilityInUse());
}

TEST_F(ProfileTest, FindControlByIndex) {
  JoyButtons[0].Index = 4;
  JoyButtons[1].Index = 9;
  EXPECT_EQ(FindControlByIndex(JoyButtonCount, JoyButtons.data(), 9), 1);
  EXPECT_EQ(FindControlByIndex(JoyButtonCount, JoyButtons.data(), 5), -1);
  EXPECT_EQ(FindControlByIndex(1, JoyButtons.data(), 9), -1);
}

TEST_F(ProfileTest, MarkModifiedNotifiesOnce) {
  int notices = 0;
  EngineHooks.ProfileChanged = [&] { ++notices; };
  ClearModified();
  MarkModified();
  MarkModified();
  EXPECT_TRUE(ProfileModified());
  EXPECT_EQ(notices, 1);
  ClearModified();
  MarkModified();
  EXPECT_EQ(notices, 2);
  ClearModified();
}

}  // namespace
}  // namespace qv::test
