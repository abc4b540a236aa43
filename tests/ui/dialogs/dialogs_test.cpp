// The rules of the settings windows, on their logic: what a spin edit's text
// reads as, which texts each window and each of its parts takes from the
// language file, and the program settings' device and line lists, choices
// and what OK writes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/Error.h"
#include "engine/Sound.h"
#include "input/i_Joystick.h"
#include "lang/Lang.h"
#include "lang/TextCatalog.h"
#include "sim/FakeMixer.h"
#include "ui/dialogs/About.h"
#include "ui/dialogs/AxisSettings.h"
#include "ui/dialogs/Compatibility.h"
#include "ui/dialogs/JoySettingsEditor.h"
#include "ui/dialogs/KeyCapture.h"
#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/ProgSettings.h"
#include "ui/dialogs/SpinValue.h"
#include "ui/dialogs/SysCmdPicker.h"

namespace qv::ui::dialogs {
namespace {

TEST(SpinValue, TextReadsAsANumberOfTheRangeAndSaysWhetherItWasOne) {
  using enum TSpinCheck;
  struct Case {
    std::u16string text;
    int32_t min, max, expected;
    TSpinCheck check;
  };
  const Case cases[] = {
      {u"5000", 0, 1000, 1000, OutOfRange},  // typed past the maximum
      {u"99999", 0, 1000, 1000, OutOfRange},
      {u"1000", 0, 1000, 1000, InRange},  // the bounds themselves
      {u"0", 0, 1000, 0, InRange},
      {u"", 0, 1000, 0, NotANumber},  // emptied
      {u"", 1, 100, 1, NotANumber},   // emptied, the minimum is not zero
      {u"x-5", 0, 1000, 0, NotANumber},
      {u"-999", -1000, 70000, -999, InRange},  // negative where the range allows it
      {u"-5", 0, 1000, 0, OutOfRange},         // negative where it does not
      {u"0", 1, 99, 1, OutOfRange},            // below a minimum above zero
      {u"65535", 0, 70000, 65535, InRange},    // beyond 16 bits
      {u"32,767", 0, 70000, 0, NotANumber},    // a thousands separator is no number
      {u" 42 ", 0, 100, 42, InRange},          // blanks around it
      {u"+7", 0, 100, 7, InRange},
      {u"-", 0, 100, 0, NotANumber},
      {u"12a", 0, 100, 0, NotANumber},
      {u"99999999999", -5, 2147483647, 2147483647, OutOfRange},  // would wrap in 32 bits
      {u"-99999999999", -2147483647 - 1, 5, -2147483647 - 1, OutOfRange},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text.begin(), c.text.end()) + " in " + std::to_string(c.min) + ".." +
                 std::to_string(c.max));
    const TSpinParse parse = ParseSpinText(c.text, c.min, c.max);
    EXPECT_EQ(parse.Value, c.expected);
    EXPECT_EQ(parse.Check, c.check);
    EXPECT_EQ(SpinValueFromText(c.text, c.min, c.max), c.expected);
  }
}

TEST(SpinValue, ARefusedFieldIsToldItsFaultAndTheRange) {
  const lang::LookupProc saved = lang::LangLookup;
  lang::LangLookup = [](std::string_view section, std::string_view key, std::u16string_view) {
    return section != "COMMON" ? std::u16string() : key == "msgSpinRange" ? u"from %d to %d" : FromUtf8(key);
  };
  const auto outOfRange = SpinComplaint(u"99999", -3, 1000);
  const auto notNumber = SpinComplaint(u"x-5", 0, 1000);
  const auto fine = SpinComplaint(u"7", 0, 1000);
  lang::LangLookup = saved;
  ASSERT_TRUE(outOfRange && notNumber);
  EXPECT_EQ(outOfRange->Title, u"msgSpinOutOfRange");
  EXPECT_EQ(outOfRange->Text, u"from -3 to 1000");
  EXPECT_EQ(notNumber->Title, u"msgSpinNotNumber");
  EXPECT_EQ(notNumber->Text, u"from 0 to 1000");
  EXPECT_FALSE(fine);
}

// What a window puts on its controls from the language file is exactly what
// the catalog (and so every language file) has for its section: a name with
// no text would show the component name, a text with no control is lost. The
// whole tree counts, its parts' (key frames, tab pages) included, each name
// in the use its kind gives it in the walk.
struct TWalkTexts {
  std::set<std::string> captions, hints, items;
};
void Collect(const lang::TComponent& component, TWalkTexts& texts) {
  switch (component.kind) {
    case lang::Kind::Other:
      break;
    case lang::Kind::SpeedButton:
      texts.hints.insert(component.name);
      break;
    case lang::Kind::ComboBox:
      for (size_t i = 0; i < component.items.size(); ++i)
        texts.items.insert(component.name + "_" + std::to_string(i));
      break;
    default:
      texts.captions.insert(component.name);
      break;
  }
  for (const auto& child : component.owned) Collect(*child, texts);
}

TEST(DialogTexts, EachWindowTakesExactlyTheTextsOfItsSection) {
  struct Window {
    std::string_view section;
    std::span<const TControlText> texts;
    void (*describeParts)(lang::TComponent& form);
  };
  const Window windows[] = {
      {"fmCompatibility", CompatibilityTexts(), nullptr},
      {"fmProgSettings", ProgSettingsTexts(), nullptr},
      {"fmAbout", AboutTexts(), nullptr},
      {"fmAskKey", AskKeyTexts(), nullptr},
      {"fmSysCmd", SysCmdTexts(), nullptr},
      {"fmHatPosSettings", HatPosSettingsTexts(), DescribeKeyFrames},
      {"fmButtonSettings", ButtonSettingsTexts(), DescribeKeyFrames},
      {"fmPosSettings", PosSettingsTexts(), DescribeKeyFrames},
      {"fmAxisSettings", AxisSettingsTexts(), DescribeAxisFrames},
      {"fmJoySettings", JoySettingsTexts(), DescribeAxisPages},
  };
  for (const Window& w : windows) {
    SCOPED_TRACE(w.section);
    lang::TComponent form;
    DescribeDialog(form, w.section, w.texts);
    if (w.describeParts != nullptr) w.describeParts(form);
    TWalkTexts walked;
    Collect(form, walked);
    TWalkTexts catalog;
    for (const lang::CatalogEntry& e : lang::TextCatalog()) {
      if (e.section != w.section) continue;
      if (e.use == lang::TextUse::Caption) catalog.captions.emplace(e.key);
      if (e.use == lang::TextUse::Hint) catalog.hints.emplace(e.key);
      if (e.use == lang::TextUse::Item) catalog.items.emplace(e.key);
    }
    EXPECT_EQ(walked.captions, catalog.captions);
    EXPECT_EQ(walked.hints, catalog.hints);
    EXPECT_EQ(walked.items, catalog.items);
  }
}

// Each list a window puts texts on by id names every control once, and a
// part's controls are found under the part, never in its window.
TEST(DialogTexts, ListsNameEachControlOnceAndPartsAreFoundByName) {
  const std::span<const TControlText> lists[] = {CompatibilityTexts(),
                                                 ProgSettingsTexts(),
                                                 AboutTexts(),
                                                 AskKeyTexts(),
                                                 SysCmdTexts(),
                                                 HatPosSettingsTexts(),
                                                 ButtonSettingsTexts(),
                                                 PosSettingsTexts(),
                                                 AxisSettingsTexts(),
                                                 JoySettingsTexts(),
                                                 PressKeyFrameTexts(),
                                                 AxisPageTexts(atUnused),
                                                 AxisPageTexts(atMultipos),
                                                 AxisPageTexts(atAnalog)};
  for (const auto& list : lists) {
    std::set<int> ids;
    std::set<std::string_view> names;
    for (const TControlText& t : list) {
      EXPECT_TRUE(names.insert(t.Name).second) << t.Name << " listed twice";
      // A setting field's tooltip names the field's own control.
      if (t.Kind == lang::Kind::SpeedButton && t.Name.starts_with("hint")) continue;
      EXPECT_TRUE(ids.insert(t.Id).second) << t.Name << " shares its id";
    }
  }
  lang::TComponent form;
  DescribeDialog(form, "fmJoySettings", JoySettingsTexts());
  DescribeAxisPages(form);
  const lang::TComponent& analog = FindComponent(form, AxisPageNames[atAnalog]);
  EXPECT_EQ(analog.kind, lang::Kind::TabSheet);
  EXPECT_EQ(FindComponent(analog, "btCen").kind, lang::Kind::Button);
  EXPECT_THROW(FindComponent(form, "btCen"), Error) << "a page's control is not the window's";
  try {
    FindComponent(analog, "btTakeSwitch");
    ADD_FAILURE() << "another page's control found";
  } catch (const Error& e) {
    EXPECT_EQ(e.message(), u"The window tabContinuous has no component btTakeSwitch.");
  }
}

class ProgSettingsTest : public ::testing::Test {
 protected:
  void TearDown() override {
    CreateMixers(NoMixerApi());
    RecPercent = DefaultRecPercent;
  }
  // The system's sound cards (of two), the recording mixer on device recDevice
  // (-1: closed) with its line at source (-1: none).
  void System(int cards, int recDevice, int source, bool unreadableFirstLine = false) {
    api.Devices = {sim::FakeMixerApi::SoundCard(u"Card A"), sim::FakeMixerApi::SoundCard(u"Card B")};
    api.Devices.resize(size_t(cards));
    for (sim::TFakeDevice& device : api.Devices)
      device.Destinations[1].Sources[0].Unreadable = unreadableFirstLine;
    CreateMixers(api);
    TMixer& recording = RecordingMixer();
    recording.Open(recDevice);
    RecLine = source < 0 ? TMixerLineRec{}
                         : recording.GetSourceLine(recording.RecordingDestination(), uint32_t(source));
  }

  sim::FakeMixerApi api;
  input::TJoystick joystick;
};

TEST_F(ProgSettingsTest, ListsFollowTheMixersAndTheCurrentLineOnlyOnItsDevice) {
  const std::vector<std::u16string> card = {u"Line In", u"Microphone"};
  const struct {
    const char* what;
    int cards, recDevice, line;
    bool unreadable;
    std::vector<int> chosen;  // recording devices picked in the list, in turn
    int expectRec, expectLine;
    std::vector<std::u16string> expectLines;
  } cases[] = {
      {"no mixer devices", 0, -1, -1, false, {}, -1, -1, {}},
      {"a closed recording mixer", 2, -1, -1, false, {}, -1, -1, {}},
      {"the current line shown", 2, 1, 1, false, {}, 1, 1, card},
      {"no current line: the first", 2, 1, -1, false, {}, 1, 0, card},
      {"another device: its first line", 2, 1, 1, false, {0}, 0, 0, card},
      {"back to the current device: its line", 2, 0, 1, false, {1, 0}, 0, 1, card},
      {"a device picked while the mixer is closed", 2, -1, -1, false, {1}, 1, 0, card},
      {"an unreadable line keeps its place", 2, 1, 1, true, {}, 1, 1, {u"", u"Microphone"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    System(c.cards, c.recDevice, c.line, c.unreadable);
    TProgSettings logic(joystick);
    for (int device : c.chosen) logic.ChooseRecordingDevice(device);
    EXPECT_EQ(logic.Devices.size(), size_t(c.cards));
    EXPECT_EQ(logic.RecDevice, c.expectRec);
    EXPECT_EQ(logic.Lines, c.expectLines);
    EXPECT_EQ(logic.Line, c.expectLine);
  }
}

// Untouched, OK takes the same devices and line again; whatever it takes,
// the temporary mixer goes with the window.
TEST_F(ProgSettingsTest, OkWritesMixersLineLevelAndBindingAndFreesTheTemporaryMixer) {
  const struct {
    const char* what;
    bool untouched, unreadable;
    int play, rec, line;
    int32_t level;
    std::u16string binding;
    int32_t expectLevel;
    const char16_t* expectLine;  // null: no line
  } cases[] = {
      {"untouched", true, false, 0, 0, 0, 0, u"", 73, u"Microphone"},
      {"both closed, no line", false, false, -1, -1, -1, 50, u"", 50, nullptr},
      {"other devices, a typed binding", false, false, 0, 1, 0, 100, u"Typed Stick", 100, u"Line In"},
      {"an unreadable line", false, true, 1, 1, 0, 50, u"", 50, nullptr},
      {"level below the range", false, false, 0, 0, 1, 0, u"", TProgSettings::MinLevel, u"Microphone"},
      {"level above the range", false, false, 0, 0, 1, 500, u"", TProgSettings::MaxLevel, u"Microphone"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    System(2, 1, 1, c.unreadable);
    PlaybackMixer().Open(1);
    RecPercent = 73;
    joystick.SetPreferredName(u"Stick");
    {
      TProgSettings logic(joystick);
      EXPECT_EQ(api.OpenDevices, 3);  // the engine's two and the one listing lines
      if (!c.untouched) {
        logic.PlayDevice = c.play;
        logic.ChooseRecordingDevice(c.rec);
        logic.Line = c.line;
        logic.Level = c.level;
        logic.Binding = c.binding;
      }
      logic.Store(joystick);
    }
    EXPECT_EQ(api.OpenDevices, (c.untouched ? 2 : (c.play >= 0) + (c.rec >= 0)));
    EXPECT_EQ(PlaybackMixer().DeviceIndex(), c.untouched ? 1 : c.play);
    EXPECT_EQ(RecordingMixer().DeviceIndex(), c.untouched ? 1 : c.rec);
    EXPECT_EQ(RecLine ? RecLine.Line.Name : u"-", c.expectLine ? c.expectLine : u"-");
    if (RecLine) {
      EXPECT_EQ(RecLine.Owner, &RecordingMixer());
    }
    EXPECT_EQ(RecPercent, c.expectLevel);
    EXPECT_EQ(joystick.PreferredName(), c.untouched ? u"Stick" : c.binding);
  }
}

}  // namespace
}  // namespace qv::ui::dialogs
