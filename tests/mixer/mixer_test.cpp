#include "mixer/Mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "sim/FakeMixer.h"

namespace qv::test {
namespace {

using sim::FakeMixerApi;
using sim::TFakeDevice;
using sim::TFakeLine;

class MixerTest : public ::testing::Test {
 protected:
  TFakeLine& Speakers(size_t device = 0) { return api.Devices[device].Destinations[0]; }
  TFakeLine& Microphone(size_t device = 0) { return api.Devices[device].Destinations[1].Sources[1]; }

  FakeMixerApi api;
};

TEST_F(MixerTest, WithoutDevicesEverythingStaysClosedAndDoesNothing) {
  TMixer mixer(api);
  mixer.Open(0);
  EXPECT_FALSE(mixer.IsOpen());
  EXPECT_EQ(mixer.DeviceIndex(), -1);
  EXPECT_EQ(mixer.DeviceName(0), u"");
  mixer.OpenByName(u"");
  EXPECT_FALSE(mixer.IsOpen());
  EXPECT_FALSE(mixer.PlaybackDestination());
  ModifyMute(mixer.PlaybackDestination(), ToggleMute, 0);
  EXPECT_FALSE(mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone));
}

TEST_F(MixerTest, OpensTheSpeakersAndTheWaveInDestination) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
  // The wave-in destination comes first on this card: it is found by its target, not its place.
  std::swap(api.Devices[1].Destinations[0], api.Devices[1].Destinations[1]);
  TMixer mixer(api);
  mixer.Open(1);
  ASSERT_TRUE(mixer.IsOpen());
  EXPECT_EQ(mixer.DeviceIndex(), 1);
  EXPECT_EQ(mixer.Name(), u"Card B");
  EXPECT_EQ(mixer.DestinationCount(), 2u);
  EXPECT_EQ(mixer.PlaybackDestination().Line.Destination, 1u);
  EXPECT_TRUE(mixer.PlaybackDestination().MuteControl);
  EXPECT_EQ(mixer.RecordingDestination().Line.Destination, 0u);
  EXPECT_FALSE(mixer.RecordingDestination().MuteControl);
  const TMixerLineRec mic = mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone);
  EXPECT_EQ(mic.Line.Name, u"Microphone");
  EXPECT_EQ(mic.Line.Source, 1u);
}

TEST_F(MixerTest, DeviceWithoutWaveInHasNoRecordingLine) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card")};
  api.Devices[0].Destinations[1].TargetType = TargetWaveOut;
  TMixer mixer(api);
  mixer.Open(0);
  EXPECT_TRUE(mixer.PlaybackDestination());
  EXPECT_FALSE(mixer.RecordingDestination());
  const TMixerLineRec line = mixer.GetSourceLine(mixer.RecordingDestination(), 0);
  EXPECT_FALSE(line);
  SetVolume(line, 1234);
  EXPECT_EQ(api.Devices[0].Destinations[1].Sources[0].Volume, 0u);
}

TEST_F(MixerTest, OpenByNameMatchesExactlyOrKeepsTheDevice) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
  TMixer mixer(api);
  mixer.Open(0);
  mixer.OpenByName(u"card b");
  EXPECT_EQ(mixer.DeviceIndex(), 0);
  EXPECT_TRUE(mixer.PlaybackDestination());
  mixer.OpenByName(u"Card B");
  EXPECT_EQ(mixer.DeviceIndex(), 1);
  EXPECT_EQ(api.OpenDevices, 1);
}

TEST_F(MixerTest, FailedOpenOrDestructionLeavesNoDeviceOpen) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
  api.Devices[1].Opens = false;
  {
    TMixer mixer(api);
    mixer.Open(0);
    mixer.Open(1);
    EXPECT_FALSE(mixer.IsOpen());
    EXPECT_EQ(mixer.Name(), u"");
    EXPECT_FALSE(mixer.PlaybackDestination());
    EXPECT_EQ(api.OpenDevices, 0);
    mixer.Open(0);
    EXPECT_EQ(api.OpenDevices, 1);
  }
  EXPECT_EQ(api.OpenDevices, 0);
}

TEST_F(MixerTest, SourceLinesByNameTakeTheLowestIndexAndOnlyTheirOwnMixer) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card")};
  Microphone().Name = u"Line In";
  TMixer mixer(api);
  TMixer other(api);
  mixer.Open(0);
  other.Open(0);
  EXPECT_EQ(mixer.FindSourceLineByName(mixer.RecordingDestination(), u"Line In").Line.Source, 0u);
  EXPECT_FALSE(mixer.FindSourceLineByName(mixer.RecordingDestination(), u"line in"));
  EXPECT_FALSE(mixer.GetSourceLine(other.RecordingDestination(), 0));
  EXPECT_FALSE(mixer.GetSourceLine(mixer.RecordingDestination(), 2));
}

TEST_F(MixerTest, ModifyReadsAppliesAndWritesOrSkipsWhatIsMissing) {
  api.Devices = {FakeMixerApi::SoundCard(u"Card")};
  TMixer mixer(api);
  mixer.Open(0);
  const TMixerLineRec& speakers = mixer.PlaybackDestination();
  ModifyMute(speakers, SetValue, 0x181);  // a mute control keeps only the low bits
  EXPECT_EQ(Speakers().Mute, 1u);
  ModifyVolume(speakers, StepVolumePercent, 10);
  EXPECT_EQ(Speakers().Volume, 39321u);
  api.FailReads = true;
  SetVolume(speakers, 5);
  EXPECT_EQ(Speakers().Volume, 39321u);
  api.FailReads = false;

  const TMixerLineRec mic = mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone);
  ModifyMute(mic, SetValue, 1);  // no mute control on this line: nothing happens
  EXPECT_FALSE(Microphone().Mute);
  ModifyVolume(mic, ToggleLevel, 32767);
  EXPECT_EQ(Microphone().Volume, 32767u);
}

TEST(MixerValuesTest, VolumeStepsInWholePercents) {
  constexpr int64_t huge = std::numeric_limits<int64_t>::max();
  const struct {
    uint32_t Value;
    int64_t Step;
    uint32_t Expected;
  } cases[] = {
      {0, 10, 6553},      {65535, 10, 65535},      {655, -1, 0},
      {32768, 10, 39321}, {40000, -100, 0},        {0, huge, 65535},
      {65535, -huge, 0},  {0xFFFFFFFF, -1, 64879},  // a control beyond the assumed range counts as full
      {327, 0, 0},        {328, 0, 655},            // 0.4990 % rounds down, 0.5005 % up
  };
  for (const auto& c : cases)
    EXPECT_EQ(StepVolumePercent(c.Value, c.Step), c.Expected) << c.Value << " " << c.Step;
}

}  // namespace
}  // namespace qv::test
