// System commands through the real dispatcher, on a fake sound card.
#include "engine/SysCmd.h"

#include "EngineFixture.h"
#include "engine/PollThread.h"
#include "engine/Sound.h"
#include "sim/FakeMixer.h"

namespace qv::test {
namespace {

using sim::FakeMixerApi;

// A key action carrying a command, with the count a tap passes.
TKeyAction Command(int32_t command, int32_t repeat = 1) { return {.SysCmd = command, .Repeat = repeat}; }

class SysCmdTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    api.Devices = {FakeMixerApi::SoundCard(u"Card")};
    StartSystemCommands(api);
    RecPercent = DefaultRecPercent;
    StartEngine();
  }
  void TearDown() override {
    PauseRequest = false;
    Suspended = false;
    StartSystemCommands(NoMixerApi());  // the fake goes with this test
    RecPercent = DefaultRecPercent;
    EngineTest::TearDown();
  }
  std::optional<uint32_t>& Volume() { return api.Devices[0].Destinations[0].Volume; }
  std::optional<uint32_t>& Mute() { return api.Devices[0].Destinations[0].Mute; }
  std::optional<uint32_t>& Microphone() { return api.Devices[0].Destinations[1].Sources[1].Volume; }

  // Button 0 carries the events; pressing and releasing it enters and leaves them.
  void PressButton(const TKeyEvents& events) {
    ProfileButtons[0].Events = events;
    device.Button(0, 1);
    Evaluate(true);
  }
  void ReleaseButton() {
    device.Button(0, 0);
    Evaluate(true);
  }

  FakeMixerApi api;
};

TEST_F(SysCmdTest, StartUpOpensDeviceZeroAndChoosesTheMicrophone) {
  EXPECT_EQ(PlaybackMixer().DeviceIndex(), 0);
  EXPECT_EQ(RecordingMixer().DeviceIndex(), 0);
  EXPECT_EQ(RecLine.Line.Name, u"Microphone");
  api.Devices[0].Destinations[1].Sources[1].ComponentType = ComponentSrcLine;
  StartSystemCommands(api);
  DispatchSysCmd(false, scRecOn, 1);
  EXPECT_EQ(api.Devices[0].Destinations[1].Sources[0].Volume, 32767u);  // no microphone: the first source
  EXPECT_EQ(ActionText(Command(scRecOn)), u"RecOn");
  EXPECT_EQ(ActionText(Key(0x7C)), u"VK_F13");
}

// Opening a mixer loads the sound card's driver, so nothing is opened until a
// sound command needs it; the first one then acts on the device and the line
// that the settings chose meanwhile, whichever command it is.
TEST_F(SysCmdTest, MixersOpenAtTheFirstSoundCommandOnTheChosenDevices) {
  const struct {
    int32_t Command;
    size_t Destination, Source;  // of card B; Source 2: the destination itself
    uint32_t Value;
  } cases[] = {
      {scSoundOff, 0, 2, 1},
      {scSoundVolUp, 0, 2, 39321},
      {scRecOn, 1, 0, 32767},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Command);
    api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
    StartSystemCommands(api);
    ChooseSoundDevices(u"Card B", u"Card B", u"Line In");
    EXPECT_EQ(api.OpenDevices, 0);
    DispatchSysCmd(false, c.Command, 10);
    EXPECT_EQ(api.OpenDevices, 2);
    auto& line = api.Devices[1].Destinations[c.Destination];
    auto& target = c.Source < line.Sources.size() ? line.Sources[c.Source] : line;
    EXPECT_EQ(c.Command == scSoundOff ? target.Mute : target.Volume, c.Value);
    EXPECT_EQ(api.Devices[0].Destinations[0].Mute, 0u);
    EXPECT_EQ(api.Devices[0].Destinations[0].Volume, 32768u);
  }
}

// What each command does to its control on the down and on the up event of a
// Hold; a key event steps the volume by one percent.
TEST_F(SysCmdTest, HeldCommandsActOnDownAndUpByTheirKind) {
  const struct {
    int32_t Command;
    uint32_t Before;
    uint32_t Down;
    uint32_t Up;
    bool Recording;
  } cases[] = {
      {scRecOn, 0, 32767, 0, true},
      {scRecOff, 32767, 0, 32767, true},
      {scRecToggle, 0, 32767, 0, true},
      {scRecToggle, 100, 0, 32767, true},
      {scSoundOn, 1, 0, 1, false},
      {scSoundOff, 0, 1, 0, false},
      {scSoundToggle, 0, 1, 0, false},
      {scSoundVolUp, 32768, 33422, 33422, false},
      {scSoundVolDown, 32768, 32112, 32112, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Command);
    const bool volume = c.Command == scSoundVolUp || c.Command == scSoundVolDown;
    std::optional<uint32_t>& control = c.Recording ? Microphone() : volume ? Volume() : Mute();
    control = c.Before;
    TKeyEvents events;
    events.Hold = Command(c.Command);
    PressButton(events);
    EXPECT_EQ(control, c.Down);
    ReleaseButton();
    EXPECT_EQ(control, c.Up);
  }
}

TEST_F(SysCmdTest, VolumeStepTakesTheRepeatOfATapAndStopsAtTheEnds) {
  Volume() = 64224;  // 98 %
  TKeyEvents events;
  events.Press = Command(scSoundVolUp, 5);
  PressButton(events);
  EXPECT_EQ(Volume(), 65535u);
  ReleaseButton();
  events.Press = Command(scSoundVolDown, 2000000000);
  PressButton(events);
  EXPECT_EQ(Volume(), 0u);
  ReleaseButton();
  events.Press = Command(scSoundVolUp, -7);  // counts as one step
  PressButton(events);
  EXPECT_EQ(Volume(), 655u);
}

TEST_F(SysCmdTest, StepActionRunsItsCommandOncePerMove) {
  MakeFourNotchLever(0);
  ProfileAxes[0].Up = Command(scSoundVolUp, 2);
  device.Axis(0, 1000);
  StartEngine();
  Volume() = 0;
  device.Axis(0, 64000);  // three notches up
  Evaluate(true);
  EXPECT_EQ(Volume(), 1310u);  // 2 %
}

TEST_F(SysCmdTest, RecPercentIsBoundedWhereUsedAndKeptAsRead) {
  const struct {
    int32_t Percent;
    uint32_t Level;
  } cases[] = {{-5, 0}, {400, 65535}, {50, 32767}};
  for (const auto& c : cases) {
    RecPercent = c.Percent;
    DispatchSysCmd(false, scRecOn, 1);
    EXPECT_EQ(Microphone(), c.Level) << c.Percent;
    EXPECT_EQ(RecPercent, c.Percent);
  }
}

TEST_F(SysCmdTest, MissingMixerLineOrControlDoesNothing) {
  api.Devices[0].Destinations[0].Mute.reset();
  StartSystemCommands(api);
  DispatchSysCmd(false, scSoundOff, 1);
  EXPECT_FALSE(Mute());
  api.Devices.clear();
  StartSystemCommands(api);
  for (int32_t command = scRecOff; command < scFirstKeyName; ++command) {
    DispatchSysCmd(false, command, 1);
    DispatchSysCmd(true, command, 1);
  }
  EXPECT_FALSE(PlaybackMixer().IsOpen());
  EXPECT_FALSE(RecLine);
}

TEST_F(SysCmdTest, ParkCommandsReachOnlyTheirControls) {
  MakeFourNotchLever(0);
  MakeFourNotchLever(1);
  for (int k = 0; k < 2; ++k) ProfileAxes[static_cast<size_t>(k)].InitialPos = 1;
  ProfileButtons[2].ParkPos = ppRelease;
  device.Axis(0, 1000);
  device.Axis(1, 1000);
  StartEngine();
  auto moveAway = [&] {
    device.Axis(0, 40000);
    device.Axis(1, 40000);
    device.Button(2, 1);
    Evaluate(true);
  };
  moveAway();
  DispatchSysCmd(false, scDemandPark00 + 3, 1);  // no axis of Index 3
  DispatchSysCmd(true, scDemandParkAll, 1);      // an up event parks nothing
  EXPECT_TRUE(ProfileAxes[0].Synced && ProfileAxes[1].Synced && ProfileButtons[2].Synced);
  DispatchSysCmd(false, scDemandPark00 + 1, 1);
  EXPECT_TRUE(ProfileAxes[0].Synced);
  EXPECT_FALSE(ProfileAxes[1].Synced);
  DispatchSysCmd(false, scDemandParkAll, 1);
  EXPECT_FALSE(ProfileAxes[0].Synced);
  EXPECT_FALSE(ProfileButtons[2].Synced);
}

// A button parked down by "DemandParkButtons" holds its key like any entered
// control: every quiet re-entry (after a pause, at a start that keeps the
// synchronisation) presses it again, and every release of everything lets
// it up. Only a full start, which takes the controls as they stand, does not.
TEST_F(SysCmdTest, ButtonParkedDownIsPressedAgainOnEveryQuietReEntry) {
  TProfileButton& b = ProfileButtons[1];
  b.ParkPos = ppPress;
  b.Events.Hold = Key(0x41);
  const std::set<uint16_t> held{0x41};
  device.Button(1, 128);
  TPollLoop loop;
  ResyncRequest = true;
  loop.Begin();
  device.Button(1, 0);
  loop.Cycle();
  DispatchSysCmd(false, scDemandParkButtons, 1);
  EXPECT_EQ(keyboard.KeysDown(), held);

  PauseRequest = true;
  loop.Cycle();
  EXPECT_TRUE(keyboard.KeysDown().empty());
  PauseRequest = false;
  loop.Cycle();
  EXPECT_EQ(keyboard.KeysDown(), held);
  loop.End();
  EXPECT_TRUE(keyboard.KeysDown().empty());
  loop.Begin();
  EXPECT_EQ(keyboard.KeysDown(), held);

  device.Button(1, 128);
  loop.Cycle();
  device.Button(1, 0);
  loop.Cycle();
  EXPECT_TRUE(b.Synced);
  EXPECT_TRUE(keyboard.KeysDown().empty());

  DispatchSysCmd(false, scDemandParkButtons, 1);
  loop.End();
  ResyncRequest = true;
  loop.Begin();
  EXPECT_TRUE(keyboard.KeysDown().empty());
  loop.End();
}

}  // namespace
}  // namespace qv::test
