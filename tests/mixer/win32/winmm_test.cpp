// The winmm mixer under Wine, against the null sink and source of the sound
// server that ./qv starts. Wine keeps mixer values per process and does not
// pass them on to the server, so every check reads back in this process,
// through a handle of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "base/Utf.h"
#include "engine/KeyOutput.h"
#include "engine/Sound.h"
#include "engine/SysCmd.h"
#include "mixer/Mixer.h"
#include "mixer/win32/WinmmMixer.h"

namespace qv::test {
namespace {

using win32::WinmmMixer;

// A key action carrying a command, with the count a tap passes.
TKeyAction Command(int32_t command, int32_t repeat = 1) { return {.SysCmd = command, .Repeat = repeat}; }

int FirstDeviceWithRecordingLine() {
  TMixer mixer(WinmmMixer());
  for (int i = 0; i < mixer.DeviceCount(); ++i) {
    mixer.Open(i);
    if (mixer.RecordingDestination() && mixer.GetSourceLine(mixer.RecordingDestination(), 0)) return i;
  }
  return -1;
}

// What a fresh handle on the device reads from the control.
std::optional<uint32_t> FreshRead(int device, std::optional<uint32_t> control) {
  std::unique_ptr<MixerDevice> fresh = WinmmMixer().Open(device);
  if (!fresh || !control) return std::nullopt;
  return fresh->ReadValue(*control);
}

TEST(WinmmMixerTest, FindsSpeakersWithControlsAndARecordingMicrophone) {
  TMixer mixer(WinmmMixer());
  const int count = mixer.DeviceCount();
  ASSERT_GT(count, 0) << "no mixer device: is the sound server running?";
  bool speakers = false;
  bool microphone = false;
  for (int i = 0; i < count; ++i) {
    mixer.Open(i);
    ASSERT_TRUE(mixer.IsOpen()) << i;
    EXPECT_EQ(mixer.Name(), mixer.DeviceName(i));
    EXPECT_FALSE(mixer.Name().empty());
    const TMixerLineRec& p = mixer.PlaybackDestination();
    speakers =
        speakers || (p && p.VolumeControl && p.MuteControl && p.Line.ComponentType == ComponentDstSpeakers);
    const TMixerLineRec mic =
        mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone);
    microphone = microphone || (mic && mic.Line.Destination == mixer.RecordingDestination().Line.Destination);
  }
  EXPECT_TRUE(speakers);
  EXPECT_TRUE(microphone);
  EXPECT_EQ(mixer.DeviceName(count), u"");
  mixer.Open(count);
  EXPECT_FALSE(mixer.IsOpen());
}

class WinmmCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartSystemCommands(WinmmMixer());
    // As the settings loader does when a recording device is named.
    recordingDevice = FirstDeviceWithRecordingLine();
    ASSERT_GE(recordingDevice, 0);
    RecordingMixer().Open(recordingDevice);
    ChooseDefaultRecLine();
    ASSERT_TRUE(PlaybackMixer().IsOpen());
    ASSERT_EQ(RecLine.Line.ComponentType, ComponentSrcMicrophone);
    ASSERT_TRUE(RecLine.VolumeControl);
  }
  void TearDown() override {
    StartSystemCommands(NoMixerApi());
    EngineHooks = TEngineHooks{};
  }
  std::optional<uint32_t> Mute() {
    return FreshRead(PlaybackMixer().DeviceIndex(), PlaybackMixer().PlaybackDestination().MuteControl);
  }
  std::optional<uint32_t> Volume() {
    return FreshRead(PlaybackMixer().DeviceIndex(), PlaybackMixer().PlaybackDestination().VolumeControl);
  }
  std::optional<uint32_t> RecLevel() { return FreshRead(recordingDevice, RecLine.VolumeControl); }

  int recordingDevice = -1;
};

TEST_F(WinmmCommandTest, CommandsThroughTheEngineChangeWhatWinmmReads) {
  const std::optional<uint32_t> mute = Mute();
  ASSERT_TRUE(mute);
  Tap(Command(scSoundToggle), 1);
  EXPECT_EQ(Mute(), *mute ^ 1u);
  Tap(Command(scSoundToggle), 1);
  EXPECT_EQ(Mute(), mute);

  SetVolume(PlaybackMixer().PlaybackDestination(), 32768);
  Tap(Command(scSoundVolUp, 10), 1);
  EXPECT_EQ(Volume(), 39321u);

  // Wine gives the lines of its recording devices controls but keeps no
  // value for them (the microphone reads 0 and ignores writes), so the
  // recording commands are followed on a line whose volume it does keep.
  Tap(Command(scRecToggle), 1);
  EXPECT_EQ(RecLevel(), 0u);
  RecLine = PlaybackMixer().PlaybackDestination();
  recordingDevice = PlaybackMixer().DeviceIndex();
  SetVolume(RecLine, 0);
  Tap(Command(scRecToggle), 1);
  EXPECT_EQ(RecLevel(), 32767u);
  Tap(Command(scRecToggle), 1);
  EXPECT_EQ(RecLevel(), 0u);
}

// How long one dispatch of each sound command takes on a thread of its own,
// as on the poll thread, on the lines the engine chose at start-up. The figures go to the test report as
// properties; the test itself asserts only what the commands did.
TEST_F(WinmmCommandTest, DispatchCostOfEachSoundCommand) {
  constexpr int Runs = 200;  // even: every toggle ends where the command before it left it
  for (int32_t command = scRecOff; command <= scSoundVolUp; ++command) {
    std::array<double, Runs> took{};
    std::thread poll([&] {
      for (double& us : took) {
        const auto start = std::chrono::steady_clock::now();
        DispatchSysCmd(false, command, 1);
        us = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
      }
    });
    poll.join();
    std::sort(took.begin(), took.end());
    const std::string name = ToUtf8(SysCmdName(command));
    char figures[80];
    std::snprintf(figures, sizeof figures, "median %.0f us, 90%% %.0f us, max %.0f us", took[Runs / 2],
                  took[Runs * 9 / 10], took.back());
    RecordProperty(name, figures);
    std::printf("%-13s %s\n", name.c_str(), figures);
  }
  EXPECT_EQ(Mute(), 0u);        // SoundOn, then the toggles
  EXPECT_EQ(Volume(), 65535u);  // 200 steps down, then 200 up
}

// With the sound server out of reach (./qv runs this case a second time with
// PULSE_SERVER naming nothing), Wine may report devices or none: whichever it
// is, opening them and every sound command must go through without failing.
TEST(WithoutSoundServer, SoundCommandsDoNothingHarmful) {
  StartSystemCommands(WinmmMixer());
  const int count = PlaybackMixer().DeviceCount();
  EXPECT_GE(count, 0);
  EXPECT_EQ(PlaybackMixer().IsOpen(), PlaybackMixer().DeviceIndex() == 0);
  for (int32_t command = scRecOff; command <= scSoundVolUp; ++command) {
    DispatchSysCmd(false, command, 1);
    DispatchSysCmd(true, command, 1);
  }
  if (!RecordingMixer().IsOpen()) {
    EXPECT_FALSE(RecLine);
  }
  StartSystemCommands(NoMixerApi());
  EngineHooks = TEngineHooks{};
}

}  // namespace
}  // namespace qv::test
