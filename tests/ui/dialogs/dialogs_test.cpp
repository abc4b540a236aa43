// The rules of the settings windows, on their logic: what a spin edit's text
// reads as, which texts each window takes from the language file, the sound
// device and line lists with their choices, what OK writes, and the link.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/Profile.h"
#include "engine/Sound.h"
#include "input/i_Joystick.h"
#include "lang/TextCatalog.h"
#include "sim/FakeMixer.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/Compatibility.h"
#include "ui/dialogs/ProgSettings.h"
#include "ui/dialogs/SpinValue.h"

namespace qv::ui::dialogs {
namespace {

TEST(SpinValue, TextReadsAsANumberOfTheRange) {
  struct Case {
    std::u16string text;
    int32_t min, max, expected;
  };
  const Case cases[] = {
      {u"5000", 0, 1000, 1000},       // typed past the maximum
      {u"", 0, 1000, 0},              // emptied
      {u"", 1, 100, 1},               // emptied, the minimum is not zero
      {u"-999", -1000, 70000, -999},  // negative where the range allows it
      {u"-5", 0, 1000, 0},            // negative where it does not
      {u"65535", 0, 70000, 65535},    // beyond 16 bits
      {u"32,767", 0, 70000, 0},       // a thousands separator is no number
      {u" 42 ", 0, 100, 42},          // blanks around it
      {u"+7", 0, 100, 7},
      {u"-", 0, 100, 0},
      {u"12a", 0, 100, 0},
      {u"99999999999", -5, 2147483647, 2147483647},  // would wrap in 32 bits
      {u"-99999999999", -2147483647 - 1, 5, -2147483647 - 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpinValueFromText(c.text, c.min, c.max), c.expected)
        << std::string(c.text.begin(), c.text.end()) << " in " << c.min << ".." << c.max;
  }
}

// What a window puts on its controls from the language file is exactly what
// the catalog (and so every language file) has for its section: a name with
// no text would show the component name, a text with no control is lost.
TEST(DialogTexts, EachWindowTakesExactlyTheCaptionsOfItsSection) {
  struct Window {
    std::string_view section;
    std::span<const TControlText> texts;
  };
  const Window windows[] = {
      {"fmCompatibility", CompatibilityTexts()},
      {"fmProgSettings", ProgSettingsTexts()},
      {"fmAbout", AboutTexts()},
  };
  for (const Window& w : windows) {
    std::set<std::string_view> listed{w.section};
    std::set<int> ids;
    for (const TControlText& t : w.texts) {
      EXPECT_TRUE(listed.insert(t.Name).second) << w.section << "." << t.Name << " listed twice";
      EXPECT_TRUE(ids.insert(t.Id).second) << w.section << "." << t.Name << " shares its id";
    }
    std::set<std::string_view> catalog;
    for (const lang::CatalogEntry& e : lang::TextCatalog()) {
      if (e.section == w.section && e.use == lang::TextUse::Caption) catalog.insert(e.key);
    }
    EXPECT_EQ(listed, catalog) << w.section;
  }
}

class ProgSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    api.Devices = {sim::FakeMixerApi::SoundCard(u"Card A"), sim::FakeMixerApi::SoundCard(u"Card B")};
    CreateMixers(api);
    RecPercent = DefaultRecPercent;
  }
  void TearDown() override { CreateMixers(NoMixerApi()); }

  // The recording mixer on device, its line at source (none: -1).
  void Current(int device, int source) {
    RecordingMixer().Open(device);
    RecLine = source < 0
                  ? TMixerLineRec{}
                  : RecordingMixer().GetSourceLine(RecordingMixer().RecordingDestination(), uint32_t(source));
  }

  sim::FakeMixerApi api;
  input::TJoystick joystick;
};

TEST_F(ProgSettingsTest, ListsFollowTheMixersAndTheCurrentLineOnlyOnItsDevice) {
  struct Case {
    const char* what;
    int devices;    // of the two sound cards, how many the system has
    int recDevice;  // the recording mixer's device (-1: closed)
    int line;       // its recording line's source (-1: none)
    int choose;     // then the recording device chosen in the list (-2: none chosen)
    int expectRec, expectLine;
    std::vector<std::u16string> expectLines;
  };
  const std::vector<std::u16string> card = {u"Line In", u"Microphone"};
  const Case cases[] = {
      {"no mixer devices", 0, -1, -1, -2, -1, -1, {}},
      {"a closed recording mixer", 2, -1, -1, -2, -1, -1, {}},
      {"the current line shown", 2, 1, 1, -2, 1, 1, card},
      {"no current line: the first", 2, 1, -1, -2, 1, 0, card},
      {"another device: its first line", 2, 1, 1, 0, 0, 0, card},
      {"back to the current device: its line", 2, 0, 1, 0, 0, 1, card},
      {"a device chosen away from a closed mixer", 2, -1, -1, 1, 1, 0, card},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    api.Devices = {sim::FakeMixerApi::SoundCard(u"Card A"), sim::FakeMixerApi::SoundCard(u"Card B")};
    api.Devices.resize(size_t(c.devices));
    CreateMixers(api);
    Current(c.recDevice, c.line);
    TProgSettings logic(joystick);
    if (c.choose != -2) {
      logic.ChooseRecordingDevice(1 - c.choose);  // away first, as a user would
      logic.ChooseRecordingDevice(c.choose);
    }
    EXPECT_EQ(logic.Devices.size(), size_t(c.devices));
    EXPECT_EQ(logic.RecDevice, c.expectRec);
    EXPECT_EQ(logic.Lines, c.expectLines);
    EXPECT_EQ(logic.Line, c.expectLine);
  }
}

TEST_F(ProgSettingsTest, AnUnreadableLineKeepsItsPlaceAsAnEmptyItem) {
  api.Devices[1].Destinations[1].Sources[0].Unreadable = true;
  CreateMixers(api);
  TProgSettings logic(joystick);
  logic.ChooseRecordingDevice(1);
  EXPECT_EQ(logic.Lines, (std::vector<std::u16string>{u"", u"Microphone"}));
  logic.Line = 0;
  logic.Store(joystick);
  EXPECT_FALSE(RecLine);  // the chosen line could not be read
}

TEST_F(ProgSettingsTest, OkWritesMixersLineLevelAndBinding) {
  struct Case {
    const char* what;
    int play, rec, line;
    int32_t level;
    std::u16string binding;
    int32_t expectLevel;
  };
  const Case cases[] = {
      {"both closed, no line", -1, -1, -1, 50, u"", 50},
      {"other devices, a typed binding", 1, 1, 0, 100, u"Typed Stick", 100},
      {"level below the range", 0, 0, 1, 0, u"", TProgSettings::MinLevel},
      {"level above the range", 0, 0, 1, 500, u"", TProgSettings::MaxLevel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CreateMixers(api);
    TProgSettings logic(joystick);
    logic.PlayDevice = c.play;
    logic.ChooseRecordingDevice(c.rec);
    logic.Line = c.line;
    logic.Level = c.level;
    logic.Binding = c.binding;
    logic.Store(joystick);
    EXPECT_EQ(PlaybackMixer().DeviceIndex(), c.play);
    EXPECT_EQ(RecordingMixer().DeviceIndex(), c.rec);
    EXPECT_EQ(bool(RecLine), c.line >= 0);
    if (RecLine) {
      EXPECT_EQ(RecLine.Owner, &RecordingMixer());
      EXPECT_EQ(RecLine.Line.Source, uint32_t(c.line));
    }
    EXPECT_EQ(RecPercent, c.expectLevel);
    EXPECT_EQ(joystick.PreferredName(), c.binding);
  }
}

TEST_F(ProgSettingsTest, OkUntouchedTakesTheSameDevicesAndLineAndFreesTheTemporaryMixer) {
  PlaybackMixer().Open(1);
  Current(1, 1);
  RecPercent = 73;
  joystick.SetPreferredName(u"Stick");
  {
    TProgSettings logic(joystick);
    EXPECT_EQ(api.OpenDevices, 3);  // the engine's two and the one listing lines
    logic.Store(joystick);
  }
  EXPECT_EQ(api.OpenDevices, 2);
  EXPECT_EQ(PlaybackMixer().DeviceIndex(), 1);
  EXPECT_EQ(RecordingMixer().DeviceIndex(), 1);
  ASSERT_TRUE(RecLine);
  EXPECT_EQ(RecLine.Line.Name, u"Microphone");
  EXPECT_EQ(RecPercent, 73);
  EXPECT_EQ(joystick.PreferredName(), u"Stick");
}

TEST(ProgSettings, TheBindingListStartsWithTheFirstControllerFound) {
  EXPECT_EQ(BindingItems({}), std::vector<std::u16string>{u""});
  const std::vector<std::u16string> found = {u"Stick", u"Pad"};
  EXPECT_EQ(BindingItems(found), (std::vector<std::u16string>{u"", u"Stick", u"Pad"}));
}

TEST(Compatibility, OkBoundsThePausesAndMarksTheProfile) {
  ClearModified();
  ShiftPause = 5000;  // as a hand-edited file may hold it
  TapPause = 30;
  TCompatibility logic;
  logic.Load();
  EXPECT_EQ(logic.ShiftDelay, 5000);
  EXPECT_FALSE(ProfileModified());
  logic.PressDelay = -4;
  logic.Store();
  EXPECT_EQ(ShiftPause, TCompatibility::MaxPause);
  EXPECT_EQ(TapPause, TCompatibility::MinPause);
  EXPECT_TRUE(ProfileModified());
  ClearModified();
  ResetProfile();
}

TEST(About, TheLinkIsVisitedOnlyWhenTheShellOpenedIt) {
  EXPECT_EQ(VersionLine(u"1.2.3"), u"v. 1.2.3");
  struct Case {
    intptr_t answer;
    bool opened;
  };
  for (const Case c : {Case{0, false}, Case{2, false}, Case{32, false}, Case{33, true}, Case{42, true}}) {
    TAboutLink link;
    std::u16string asked;
    EXPECT_EQ(link.Follow([&](std::u16string_view address) {
      asked = address;
      return c.answer;
    }),
              c.opened)
        << c.answer;
    EXPECT_EQ(link.Visited(), c.opened) << c.answer;
    EXPECT_EQ(asked, HomePage);
  }
}

}  // namespace
}  // namespace qv::ui::dialogs
