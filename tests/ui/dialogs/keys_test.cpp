// The key windows' rules on their logic: what a captured key with the
// modifier toggles makes of an action, when the idle check may take Tab and
// Print Screen, what a key frame shows, what picking from the command list
// writes and says, and what OK of a key window stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
#include "engine/SysCmdInfo.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "sim/UsLayout.h"
#include "ui/Captions.h"
#include "ui/dialogs/KeyCapture.h"
#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/PressKeyFrame.h"
#include "ui/dialogs/SysCmdPicker.h"

namespace qv::ui::dialogs {
namespace {

// A key-down message's second parameter as the system builds it: repeat
// count 1, the scan code, the extended bit, and "was down before" for an
// auto-repeat, which must not leak into the scan code.
int64_t KeyDownParam(int32_t scan, bool extended, bool repeat = false) {
  return int64_t(1 | (uint32_t(scan) << 16) | (extended ? 1u << 24 : 0u) | (repeat ? 1u << 30 : 0u));
}

TEST(KeyCapture, TogglesAddTheirModifierExceptTheOneThatIsTheKeyItself) {
  struct Case {
    const char* what;
    TToggles toggles;
    int32_t vkey, scan;
    bool extended;
    uint16_t modifiers;
  };
  const Case cases[] = {
      {"Ctrl + A", modCtrl, 0x41, 0x1E, false, modCtrl},
      {"no toggle: the key alone", 0, 0x41, 0x1E, false, 0},
      {"Shift toggle, left Shift pressed: plain Shift", modShift, 0xA0, 0x2A, false, 0},
      {"Shift toggle, right Shift pressed: right Shift with Shift", modShift, 0xA1, 0x36, false, modShift},
      {"RCtrl toggle, left Ctrl pressed: left Ctrl with RCtrl", modRCtrl, 0xA2, 0x1D, false, modRCtrl},
      {"Ctrl toggle, left Ctrl pressed", modCtrl, 0xA2, 0x1D, false, 0},
      {"RAlt toggle, right Alt pressed", modRAlt | modShift, 0xA5, 0x38, true, modShift},
      {"Alt toggle, right Alt pressed", modAlt, 0xA5, 0x38, true, modAlt},
      {"Win toggle, left Win pressed", modWin | modRWin, 0x5B, 0x5B, true, modRWin},
      {"Menu toggle, the menu key pressed", modMenu, 0x5D, 0x5D, true, 0},
      {"RShift toggle, right Shift pressed", modRShift | modCtrl, 0xA1, 0x36, false, modCtrl},
      {"RWin toggle, right Win pressed", modRWin, 0x5C, 0x5C, true, 0},
      {"every toggle, Enter", 0x1FF, 0x0D, 0x1C, false, 0x1FF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (bool repeat : {false, true}) {
      TKeyAction action{.SysCmd = 17, .Modifiers = modAlt, .ScanCode = 9, .Vkey = 9, .Repeat = 5};
      ApplyCapture(action, KeyOfMessage(uint64_t(c.vkey), KeyDownParam(c.scan, c.extended, repeat)),
                   c.toggles);
      EXPECT_EQ(action.SysCmd, 0);
      EXPECT_EQ(action.Vkey, c.vkey);
      EXPECT_EQ(action.ScanCode, c.scan);
      EXPECT_EQ(action.Extended, c.extended);
      EXPECT_EQ(action.Modifiers, c.modifiers);
      EXPECT_EQ(action.Repeat, 5) << "a captured key keeps the repeat count";
    }
  }
  // Each toggle on its own with a plain key gives exactly its own bit.
  for (int bit = 0; bit < ModifierCount; ++bit) {
    TKeyAction action;
    ApplyCapture(action, KeyOfMessage(0x41, KeyDownParam(0x1E, false)), TToggles(1u << bit));
    EXPECT_EQ(action.Modifiers, 1u << bit) << "bit " << bit;
  }
}

// A layout whose scan codes cannot be mistaken for the keys' own codes.
class OffsetLayout final : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint32_t vkey) override { return uint16_t(vkey + 0x100); }
  std::u16string KeyName(int32_t) override { return u"?"; }
};

TEST(KeyCapture, IdleCheckTakesTabOrPrintScreenOnlyWhileOurWindowIsActive) {
  OffsetLayout layout;
  const TEngineSeams saved = Seams();
  InstallSeams(saved.Keyboard, &layout, saved.Time);
  struct Case {
    const char* what;
    bool pauseRequest, suspended;
    std::vector<int32_t> down;
    int32_t expected;  // 0: nothing captured
  };
  const Case cases[] = {
      {"Tab in our window", true, true, {0x09}, 0x09},
      {"Print Screen in our window", true, false, {0x2C}, 0x2C},
      {"both: Tab first", true, true, {0x2C, 0x09}, 0x09},
      {"another key is left to the key messages", true, true, {0x41, 0x0D}, 0},
      {"nothing down", true, true, {}, 0},
      {"Tab in another program", false, false, {0x09}, 0},
      // Suspended keeps its old value while no thread runs: no gate.
      {"Tab in another program, the stopped thread still marked quiet", false, true, {0x09}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PauseRequest.store(c.pauseRequest);
    Suspended.store(c.suspended);
    const auto key = IdleKey([&](int32_t vkey) { return std::ranges::count(c.down, vkey) > 0; });
    ASSERT_EQ(key.has_value(), c.expected != 0);
    if (!key) continue;
    EXPECT_EQ(key->Vkey, c.expected);
    EXPECT_EQ(key->ScanCode, c.expected + 0x100);
    EXPECT_FALSE(key->Extended);
  }
  PauseRequest.store(false);
  Suspended.store(false);
  InstallSeams(saved.Keyboard, saved.Layout, saved.Time);
}

// The table's names and texts as a language file would give them; the two
// templates as start-up reads them.
class KeyTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedLookup_ = lang::LangLookup;
    savedHooks_ = EngineHooks;
    savedSeams_ = Seams();
    InstallSeams(savedSeams_.Keyboard, &layout_, savedSeams_.Time);
    EngineHooks.SysCmdName = SysCmdName;
    EngineHooks.VkeyName = VkeyName;
    lang::LangLookup = [this](std::string_view section, std::string_view key, std::u16string_view fallback) {
      const auto found = sys.find(std::string(key));
      return section == "!SYS" && found != sys.end() ? found->second : std::u16string(fallback);
    };
    savedCaptions_ = Captions;
    Captions.KeyTemplate = u"key <%s>";
    Captions.SysTemplate = u"cmd <%s> up <%s>";
  }
  void TearDown() override {
    lang::LangLookup = savedLookup_;
    EngineHooks = savedHooks_;
    InstallSeams(savedSeams_.Keyboard, savedSeams_.Layout, savedSeams_.Time);
    Captions = savedCaptions_;
  }

  std::map<std::string, std::u16string> sys = {
      {"VK_F13", u"F13 text"},
      {"DemandParkAll", u"park text"},
      {"Nothing", u"nothing"},
      {"SoundToggle", u"toggle"},
      {"Same", u"same"},
      {"RecOn", u"mic on"},
      {"RecOn_R", u"mic back off"},
  };

 private:
  sim::UsLayout layout_;
  lang::LookupProc savedLookup_;
  TEngineHooks savedHooks_;
  TEngineSeams savedSeams_;
  TCaptionStrings savedCaptions_;
};

TEST_F(KeyTextsTest, DescriptionFollowsTheRowKindAndAMissingTextRaises) {
  const std::vector<std::u16string> names = SysCmdListNames();
  ASSERT_EQ(names.size(), 51u);
  EXPECT_EQ(names.front(), u"DemandPark00");
  EXPECT_EQ(names.back(), u"VK_Media_Stop");
  struct Case {
    std::u16string name;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"VK_F13", u"key <F13 text>"},
      {u"DemandParkAll", u"cmd <park text> up <nothing>"},
      {u"SoundToggle", u"cmd <toggle> up <same>"},
      {u"RecOn", u"cmd <mic on> up <mic back off>"},
  };
  for (const Case& c : cases) {
    const auto row = int32_t(std::ranges::find(names, c.name) - names.begin()) + 1;
    EXPECT_EQ(DescribeSysCmd(row), c.expected) << ToUtf8(c.name);
  }
  sys.erase("RecOn_R");
  EXPECT_THROW(DescribeSysCmd(scRecOn), lang::EMultilang);
  EXPECT_THROW(DescribeSysCmd(scRecOff), lang::EMultilang) << "no text for the command at all";
}

TEST_F(KeyTextsTest, FrameShowsTheWorkingCopyAndPickOrClearRewritesIt) {
  const std::vector<std::u16string> names = SysCmdListNames();
  const int32_t f13 = int32_t(std::ranges::find(names, u"VK_F13") - names.begin()) + 1;
  struct Case {
    const char* what;
    TKeyAction stored;
    int32_t pick;  // 0: none; -1: cleared
    TKeyAction expected;
    std::u16string text;
    bool enabled;
  };
  const TKeyAction ctrlA{.Modifiers = modCtrl | modRAlt, .ScanCode = 0x1E, .Vkey = 0x41, .Repeat = 5};
  const Case cases[] = {
      {"empty", {}, 0, {}, u"---", false},
      {"a stored repeat beyond the spin's range is kept", {.Repeat = 150}, 0, {.Repeat = 150}, u"---", false},
      {"a key", ctrlA, 0, ctrlA, u"Ctrl+RAlt+A", true},
      {"a named key keeps Repeat 5", ctrlA, f13, {.Vkey = 0x7C, .Repeat = 5}, u"VK_F13", true},
      {"a command, Repeat 0 made 1",
       {.ScanCode = 4, .Repeat = 0},
       scSoundToggle,
       {.SysCmd = scSoundToggle, .Repeat = 1},
       u"SoundToggle",
       true},
      {"cleared: Repeat 1", ctrlA, -1, {}, u"---", false},
      {"a key by its virtual key alone", {.Vkey = 0x41}, 0, {.Vkey = 0x41}, u"VK=65", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TPressKeyFrame frame;
    frame.Load(c.stored);
    if (c.pick > 0) PickSysCmd(frame.Action, c.pick);
    if (c.pick < 0) frame.Clear();
    const TKeyAction& a = frame.Action;
    EXPECT_EQ(std::tie(a.SysCmd, a.Modifiers, a.ScanCode, a.Vkey, a.Extended, a.Repeat),
              std::tie(c.expected.SysCmd, c.expected.Modifiers, c.expected.ScanCode, c.expected.Vkey,
                       c.expected.Extended, c.expected.Repeat));
    const auto shown = frame.Shown();
    EXPECT_EQ(shown.KeyText, c.text);
    EXPECT_EQ(shown.RepeatEnabled, c.enabled);
    EXPECT_EQ(shown.DeleteEnabled, c.enabled);
    EXPECT_EQ(shown.Repeat, c.expected.Repeat);
  }
}

// OK stores the park state, the three copies (Hold's repeat as it was) and
// marks the profile; only OK writes.
TEST(KeySettings, OkWritesParkStateAndTheThreeCopiesAndMarksTheProfile) {
  for (bool button : {false, true}) {
    SCOPED_TRACE(button ? "button" : "hat direction");
    ResetProfile();
    ClearModified();
    TProfileButton& target = ProfileButtons[3];
    TKeyEvents& events = button ? target.Events : ProfileHats[0].Directions[2];
    events.Hold = {.Vkey = 0x41, .Repeat = 7};
    events.Release = {.Vkey = 0x42};
    TKeySettings settings;
    button ? settings.Load(target) : settings.Load(events);
    EXPECT_EQ(settings.ParkPos, button ? ppNone : -1);
    settings.Keys.Frame(TButtonFrame::Press).Load({.Vkey = 0x43, .Repeat = 3});
    settings.Keys.Frame(TButtonFrame::Release).Clear();
    settings.ParkPos = ppPress;
    EXPECT_EQ(events.Press.Vkey, 0) << "nothing written before OK";
    EXPECT_FALSE(ProfileModified());
    settings.Store();
    EXPECT_EQ(events.Press.Vkey, 0x43);
    EXPECT_EQ(events.Press.Repeat, 3);
    EXPECT_EQ(events.Hold.Vkey, 0x41);
    EXPECT_EQ(events.Hold.Repeat, 7);
    EXPECT_TRUE(events.Release.Empty());
    EXPECT_EQ(target.ParkPos, button ? ppPress : ppNone);
    EXPECT_TRUE(ProfileModified());
  }
  ResetProfile();
  ClearModified();
}

}  // namespace
}  // namespace qv::ui::dialogs
