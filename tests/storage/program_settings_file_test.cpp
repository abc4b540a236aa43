// The program settings file on a fake sound card with two devices.
#include "FilesFixture.h"
#include "engine/Sound.h"
#include "input/i_Joystick.h"
#include "sim/FakeMixer.h"
#include "storage/ProgramSettingsFile.h"

namespace qv::test {
namespace {

using sim::FakeMixerApi;

class ProgramSettingsFileTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
    // A line name outside the 8-bit code page must still be found again.
    api.Devices[0].Destinations[1].Sources[0].Name =
        u"\u041b\u0438\u043d\u0435\u0439\u043d\u044b\u0439 \u0432\u0445\u043e\u0434";
    CreateMixers(api);
    RecPercent = DefaultRecPercent;
    ProfileFileName.clear();
  }
  void TearDown() override {
    CreateMixers(NoMixerApi());  // the fake goes with this test
    RecPercent = DefaultRecPercent;
    FilesTest::TearDown();
  }
  void Load(const std::vector<std::string_view>& lines) {
    LoadProgramSettings(joystick, Write(u"config.ml", Document(lines)));
  }
  const TMixerLineRec& Destination() { return RecordingMixer().RecordingDestination(); }

  FakeMixerApi api;
  input::TJoystick joystick;
};

TEST_F(ProgramSettingsFileTest, GoldenFileSavesBackByteForByte) {
  const std::string golden = GoldenFile("config.ml");
  LoadProgramSettings(joystick, Write(u"config.ml", golden));
  EXPECT_EQ(PlaybackMixer().Name(), u"Card B");
  EXPECT_EQ(RecLine.Line.Source, 0u);
  EXPECT_EQ(ProfileFileName,
            u"C:\\Profiles\\\u042d\u043b\u0435\u043a\u0442\u0440\u0438\u0447\u043a\u0430.qvprof");
  SaveProgramSettings(joystick, folder.File(u"saved.ml"));
  EXPECT_EQ(ReadBytes(folder.File(u"saved.ml")), golden);
}

TEST_F(ProgramSettingsFileTest, EachSettingIsTakenAsLongAsTheFileReads) {
  RecLine = RecordingMixer().GetSourceLine(Destination(), 0);
  RecPercent = 60;
  joystick.SetPreferredName(u"Old");
  Load({"{ MULTILEVEL", "}"});
  EXPECT_EQ(RecLine.Line.ComponentType, ComponentSrcMicrophone);  // the default choice again
  EXPECT_EQ(RecPercent, 60);
  EXPECT_EQ(joystick.PreferredName(), u"");
  EXPECT_EQ(ProfileFileName, u"");

  // A value that does not convert keeps the current one; the rest is still read.
  Load({"{ MULTILEVEL", "RecPercent=abc", "LastFile=last.qvprof", "BindToJoystick=Desk", "}"});
  EXPECT_EQ(RecPercent, 60);
  EXPECT_EQ(ProfileFileName, u"last.qvprof");
  EXPECT_EQ(joystick.PreferredName(), u"Desk");

  // A profile named on the command line wins over the last one.
  Load({"{ MULTILEVEL", "LastFile=other.qvprof", "}"});
  EXPECT_EQ(ProfileFileName, u"last.qvprof");

  // A file that does not parse gives nothing at all.
  RecLine = RecordingMixer().GetSourceLine(Destination(), 0);
  Load({" { MULTILEVEL", "RecPercent=10", "}"});
  EXPECT_EQ(RecPercent, 60);
  EXPECT_EQ(RecLine.Line.Source, 0u);
}

TEST_F(ProgramSettingsFileTest, OnlySettingsInUseAreWritten) {
  EXPECT_TRUE(PlaybackMixer().IsOpen());  // the first use opens, and chooses a recording line
  RecLine = TMixerLineRec{};
  SaveProgramSettings(joystick, folder.File(u"config.ml"));
  EXPECT_EQ(ReadBytes(folder.File(u"config.ml")),
            Document({"{ MULTILEVEL", "  SoundSource=Card A", "  RecPercent=50", "}"}));
}

}  // namespace
}  // namespace qv::test
