// The key windows under Wine, opened from the control list as a user opens
// them: real keys through SendInput into the key capture (dialog keys
// included, a held key kept from the window behind), OK and Cancel with the
// profile checked after, polling and the disabled owner around the nested
// windows, the command list, and the texts and a picture of each window in
// both languages. Every key sent down is sent up again in the same test.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/SysCmdInfo.h"
#include "lang/Lang.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "tests/ui/win32/WindowPicture.h"
#include "ui/ControlTree.h"
#include "ui/TreeList.h"
#include "ui/dialogs/resource.h"

namespace qv::test {
namespace {

using ui::TRowCommand;

class KeyWindows : public MainWindowTest {
 protected:
  void TearDown() override {
    ClearModified();
    ResetProfile();
    MainWindowTest::TearDown();
  }
  void OpenButton() { OpenRow(TRowCommand::ButtonSettings, 0); }
  // The key frames are child dialogs in the places of the template's ids.
  static HWND Frame(HWND window, int place) { return GetDlgItem(window, place); }
  // Posted: the window it opens runs its own loop, where the next step runs.
  static void PostClick(HWND window, int id) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
  }
};

TEST_F(KeyWindows, CaptureTakesDialogKeysAndModifierTogglesWithoutTheHeldKeyReachingTheWindowBehind) {
  struct Case {
    const char* what;
    int toggle;  // 0: none down
    WORD key;
    int32_t vkey, scan;
    uint16_t modifiers;
  };
  const Case cases[] = {
      {"Ctrl toggle + A", IDC_BT_CTRL, 'A', 'A', 0x1E, modCtrl},
      {"Shift toggle + left Shift: plain Shift", IDC_BT_SHIFT, VK_LSHIFT, VK_SHIFT, 0x2A, 0},
      {"Space on a focused toggle", IDC_BT_ALT, VK_SPACE, VK_SPACE, 0x39, modAlt},
      {"Enter", IDC_BT_WIN, VK_RETURN, VK_RETURN, 0x1C, modWin},
      {"Esc", IDC_BT_MENU, VK_ESCAPE, VK_ESCAPE, 0x01, modMenu},
      {"Tab", IDC_BT_RSHIFT, VK_TAB, VK_TAB, 0x0F, modRShift},
      {"an arrow", IDC_BT_RCTRL, VK_LEFT, VK_LEFT, 0x4B, modRCtrl},
      // A system key-down; the Alt toggle is the key itself.
      {"Alt", IDC_BT_ALT, VK_MENU, VK_MENU, 0x38, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProfile();
    ClearModified();
    ProfileButtons[0].Events.Press.Repeat = 5;
    DriveModal([&] { OpenButton(); },
               {
                   [&](HWND w) { PostClick(Frame(w, IDC_FR_PRESS), IDC_BT_KEY); },
                   [&](HWND ask) {
                     EXPECT_EQ(TextOf(ask), u"Press the key...");
                     for (int id = IDC_BT_SHIFT; id <= IDC_BT_RWIN; ++id)
                       EXPECT_EQ(IsDlgButtonChecked(ask, id), BST_UNCHECKED) << id;
                     SendDlgItemMessageW(ask, c.toggle, BM_CLICK, 0, 0);
                     EXPECT_NE(GetFocus(), GetDlgItem(ask, c.toggle)) << "a clicked toggle takes no focus";
                     SetForegroundWindow(ask);
                     SetFocus(GetDlgItem(ask, c.toggle));
                     // Held: down, and down again as the keyboard repeats it.
                     KeyDown(c.key);
                   },
                   [&](HWND) {
                     KeyDown(c.key);
                     KeyDown(c.key);
                     KeyUp(c.key);
                   },
                   [&](HWND w) {
                     EXPECT_NE(TextOf(Frame(w, IDC_FR_PRESS), IDC_BT_KEY), u"---");
                     EXPECT_FALSE(ProfileModified()) << "the held key confirmed nothing";
                     Click(w, IDOK);
                   },
               });
    const TKeyAction& press = ProfileButtons[0].Events.Press;
    EXPECT_EQ(press.Vkey, c.vkey);
    EXPECT_EQ(press.ScanCode, c.scan);
    EXPECT_EQ(press.Modifiers, c.modifiers);
    EXPECT_EQ(press.Repeat, 5);
    EXPECT_EQ(press.SysCmd, 0);
  }
}

// The chord as a player presses it: modifiers first, then the key; a
// modifier pressed and released alone is the key itself. The keys go up
// after the capture has closed, and none of them reaches the window behind.
TEST_F(KeyWindows, CaptureTakesAPressedChordOrAModifierAlone) {
  struct Case {
    const char* what;
    std::vector<WORD> keys;  // down in this order, up in reverse
    int32_t vkey, scan;
    uint16_t modifiers;
  };
  const Case cases[] = {
      {"Ctrl+B", {VK_LCONTROL, 'B'}, 'B', 0x30, modCtrl},
      {"right Alt + left Shift + Enter",
       {VK_RMENU, VK_LSHIFT, VK_RETURN},
       VK_RETURN,
       0x1C,
       modRAlt | modShift},
      {"right Shift alone", {VK_RSHIFT}, VK_SHIFT, 0x36, 0},
      {"right Ctrl alone", {VK_RCONTROL}, VK_CONTROL, 0x1D, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetProfile();
    ClearModified();
    DriveModal([&] { OpenButton(); }, {
                                          [&](HWND w) { PostClick(Frame(w, IDC_FR_PRESS), IDC_BT_KEY); },
                                          [&](HWND ask) {
                                            EXPECT_EQ(TextOf(ask), u"Press the key...");
                                            SetForegroundWindow(ask);
                                            for (WORD key : c.keys) KeyDown(key);
                                          },
                                          [&](HWND) {
                                            for (auto key = c.keys.rbegin(); key != c.keys.rend(); ++key)
                                              KeyUp(*key);
                                          },
                                          [&](HWND w) {
                                            EXPECT_FALSE(ProfileModified())
                                                << "no key reached the window behind";
                                            Click(w, IDOK);
                                          },
                                      });
    const TKeyAction& press = ProfileButtons[0].Events.Press;
    EXPECT_EQ(press.Vkey, c.vkey);
    EXPECT_EQ(press.ScanCode, c.scan);
    EXPECT_EQ(press.Modifiers, c.modifiers);
  }
}

TEST_F(KeyWindows, OkStoresAndCancelLeavesTheProfileWhilePollingWaitsForTheOuterWindow) {
  struct Case {
    TRowCommand command;
    int closeId;
  };
  const Case cases[] = {
      {TRowCommand::ButtonSettings, IDOK},
      {TRowCommand::ButtonSettings, IDCANCEL},
      {TRowCommand::HatPosSettings, IDOK},
      {TRowCommand::HatPosSettings, IDCANCEL},
  };
  for (const Case& c : cases) {
    const bool button = c.command == TRowCommand::ButtonSettings;
    SCOPED_TRACE(std::string(button ? "button " : "hat ") + (c.closeId == IDOK ? "OK" : "Cancel"));
    ResetProfile();
    ClearModified();
    TKeyEvents& events = button ? ProfileButtons[0].Events : ProfileHats[0].Directions[2];
    events.Hold = {.Vkey = 'H', .Repeat = 7};
    events.Release = {.Vkey = 'R', .Repeat = 4};
    HWND outer = nullptr;
    DriveModal([&] { button ? OpenButton() : OpenRow(TRowCommand::HatPosSettings, 0, 2); },
               {
                   [&](HWND w) {
                     outer = w;
                     EXPECT_FALSE(Running.load());
                     EXPECT_FALSE(IsWindowVisible(GetDlgItem(Frame(w, IDC_FR_HOLD), IDC_SPIN_REPEAT)));
                     EXPECT_TRUE(IsWindowVisible(GetDlgItem(Frame(w, IDC_FR_PRESS), IDC_SPIN_REPEAT)));
                     EXPECT_FALSE(IsWindowEnabled(GetDlgItem(Frame(w, IDC_FR_PRESS), IDC_BT_DELETE)));
                     EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Frame(w, IDC_FR_PRESS), IDC_BT_KEY)));
                     if (button) Pick(w, IDC_COMBO_INITIAL_POS, ppPress);
                     PostClick(Frame(w, IDC_FR_PRESS), IDC_BT_KEY);
                   },
                   [&](HWND ask) {
                     EXPECT_FALSE(IsWindowEnabled(outer));
                     EXPECT_FALSE(Running.load());
                     SetForegroundWindow(ask);
                     PressKeys({'K'});
                   },
                   [&](HWND w) {
                     EXPECT_FALSE(Running.load()) << "the nested window closed, the outer one is open";
                     EXPECT_TRUE(IsWindowEnabled(GetDlgItem(Frame(w, IDC_FR_PRESS), IDC_BT_DELETE)));
                     // The release action becomes a command from the list.
                     PostClick(Frame(w, IDC_FR_RELEASE), IDC_BT_TECH);
                   },
                   [&](HWND list) {
                     EXPECT_FALSE(IsWindowEnabled(outer));
                     EXPECT_EQ(SendDlgItemMessageW(list, IDC_LIST_SYS_CMD, LB_GETCOUNT, 0, 0), 51);
                     // The line picked last time is still chosen, and described.
                     EXPECT_EQ(SendDlgItemMessageW(list, IDC_LIST_SYS_CMD, LB_GETCURSEL, 0, 0),
                               &c == cases ? 0 : scSoundToggle - 1);
                     EXPECT_FALSE(TextOf(list, IDC_MEMO_SYS_CMD).empty());
                     auto choose = [list](int line) {
                       SendDlgItemMessageW(list, IDC_LIST_SYS_CMD, LB_SETCURSEL, WPARAM(line), 0);
                       SendMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_SYS_CMD, LBN_SELCHANGE),
                                    LPARAM(GetDlgItem(list, IDC_LIST_SYS_CMD)));
                       return TextOf(list, IDC_MEMO_SYS_CMD);
                     };
                     const std::u16string park = choose(0);
                     EXPECT_NE(choose(scSoundToggle - 1), park);
                     PostMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_SYS_CMD, LBN_DBLCLK),
                                  LPARAM(GetDlgItem(list, IDC_LIST_SYS_CMD)));
                   },
                   [&](HWND w) {
                     EXPECT_EQ(TextOf(Frame(w, IDC_FR_RELEASE), IDC_BT_KEY), u"SoundToggle");
                     EXPECT_EQ(TextOf(Frame(w, IDC_FR_RELEASE), IDC_SPIN_REPEAT), u"4");
                     Click(w, c.closeId);
                   },
               });
    EXPECT_TRUE(Running.load());
    const bool ok = c.closeId == IDOK;
    EXPECT_EQ(ProfileModified(), ok);
    EXPECT_EQ(events.Press.Vkey, ok ? 'K' : 0);
    EXPECT_EQ(events.Hold.Vkey, 'H');
    EXPECT_EQ(events.Hold.Repeat, 7) << "the hidden count is never written back";
    EXPECT_EQ(events.Release.SysCmd, ok ? scSoundToggle : 0);
    EXPECT_EQ(events.Release.Vkey, ok ? 0 : 'R');
    EXPECT_EQ(events.Release.Repeat, 4);
    EXPECT_EQ(ProfileButtons[0].ParkPos, button && ok ? ppPress : ppNone);
  }
}

// A language file without one row's text says so once; the list stays open
// and picks another row.
TEST_F(KeyWindows, AMissingCommandTextShowsOneBoxAndTheListGoesOn) {
  const lang::LookupProc installed = lang::LangLookup;
  lang::LangLookup = [&](std::string_view section, std::string_view key, std::u16string_view fallback) {
    if (section == "!SYS" && key == "RecOn_R") return std::u16string(fallback);
    return installed(section, key, fallback);
  };
  DriveModal([&] { OpenButton(); },
             {
                 [&](HWND w) { PostClick(Frame(w, IDC_FR_PRESS), IDC_BT_TECH); },
                 [&](HWND list) {
                   SendDlgItemMessageW(list, IDC_LIST_SYS_CMD, LB_SETCURSEL, scRecOn - 1, 0);
                   PostMessageW(list, WM_COMMAND, MAKEWPARAM(IDC_LIST_SYS_CMD, LBN_SELCHANGE),
                                LPARAM(GetDlgItem(list, IDC_LIST_SYS_CMD)));
                 },
                 [&](HWND box) {
                   ASSERT_TRUE(IsMessageBox(box));
                   EXPECT_NE(MessageBoxText(box).find(u"RecOn_R"), std::u16string::npos);
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                 },
                 [&](HWND list) {
                   ASSERT_FALSE(IsMessageBox(list));
                   EXPECT_EQ(GetDlgItem(list, IDC_LIST_SYS_CMD) != nullptr, true);
                   Click(list, IDOK);
                 },
                 [&](HWND w) { Click(w, IDOK); },
             });
  lang::LangLookup = installed;
  EXPECT_EQ(ProfileButtons[0].Events.Press.SysCmd, scRecOn);
}

// What a picture button shows inside its edges: pixels of the red cross,
// and pixels darker than the button face (a greyed figure's shadow).
struct TFace {
  int red = 0, dark = 0;
};
TFace FaceOf(HWND button) {
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT box{};
  GetClientRect(button, &box);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const auto light = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  HDC dc = GetDC(button);
  TFace seen;
  constexpr int edge = 4;
  for (int y = edge; y < box.bottom - edge; ++y) {
    for (int x = edge; x < box.right - edge; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      if (c == CLR_INVALID) continue;
      if (GetRValue(c) > 200 && GetGValue(c) < 120) {
        ++seen.red;
      } else if (light(c) + 30 < light(face)) {
        ++seen.dark;
      }
    }
  }
  ReleaseDC(button, dc);
  return seen;
}

// An empty frame's clear button is disabled and shows the cross greyed,
// not a grey block; a frame with a key shows it in red.
TEST_F(KeyWindows, ADisabledClearButtonShowsItsPictureGreyed) {
  ProfileButtons[0].Events.Hold = {.ScanCode = 0x1E, .Vkey = 'A'};
  DriveModal([&] { OpenButton(); }, {
                                        [&](HWND w) {
                                          HWND empty = GetDlgItem(Frame(w, IDC_FR_PRESS), IDC_BT_DELETE);
                                          HWND full = GetDlgItem(Frame(w, IDC_FR_HOLD), IDC_BT_DELETE);
                                          ASSERT_FALSE(IsWindowEnabled(empty));
                                          ASSERT_TRUE(IsWindowEnabled(full));
                                          const TFace greyed = FaceOf(empty), shown = FaceOf(full);
                                          EXPECT_EQ(greyed.red, 0);
                                          // The cross has 32 pixels of its 14 x 10; a block would darken all
                                          // 140.
                                          EXPECT_GT(greyed.dark, 10);
                                          EXPECT_LT(greyed.dark, 80)
                                              << "the whole picture is darkened: a block";
                                          EXPECT_GE(shown.red, 24);
                                          Click(w, IDCANCEL);
                                        },
                                    });
}

class KeyWindowTexts : public KeyWindows, public ::testing::WithParamInterface<const char16_t*> {
 protected:
  void SetUp() override { Open(GetParam()); }
};

TEST_P(KeyWindowTexts, EveryWindowShowsItsTranslationAndIsPictured) {
  const std::string language = std::u16string_view(GetParam()) == u"ru.lng" ? "-ru.png" : "-en.png";
  // Drawn in one step, pictured in the next, once the drawing is done.
  const auto draw = [](HWND w) {
    SetForegroundWindow(w);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  };
  const auto picture = [&](const char* name) {
    return [name, language](HWND w) {
      EXPECT_EQ(UntranslatedControls(w), std::vector<std::string>{}) << name;
      SaveWindowPicture(w, name + language);
    };
  };
  ProfileHats[0].Directions[0].Press = {.Modifiers = modCtrl, .ScanCode = 0x1E, .Vkey = 'A'};
  DriveModal([&] { OpenRow(TRowCommand::HatPosSettings, 0, 0); },
             {
                 draw,
                 picture("fmHatPosSettings"),
                 [&](HWND w) { PostClick(Frame(w, IDC_FR_PRESS), IDC_BT_KEY); },
                 draw,
                 picture("fmAskKey"),
                 [&](HWND ask) { PostMessageW(ask, WM_CLOSE, 0, 0); },
                 [&](HWND w) { PostClick(Frame(w, IDC_FR_HOLD), IDC_BT_TECH); },
                 draw,
                 picture("fmSysCmd"),
                 [&](HWND list) { Click(list, IDCANCEL); },
                 [&](HWND w) {
                   EXPECT_EQ(TextOf(Frame(w, IDC_FR_PRESS), IDC_BT_KEY).substr(0, 5), u"Ctrl+")
                       << "the close box and Cancel changed nothing";
                   Click(w, IDCANCEL);
                 },
             });
  DriveModal([&] { OpenButton(); },
             {
                 picture("fmButtonSettings"),
                 [&](HWND w) {
                   EXPECT_EQ(SendDlgItemMessageW(w, IDC_COMBO_INITIAL_POS, CB_GETCOUNT, 0, 0), 3);
                   Click(w, IDCANCEL);
                 },
             });
  EXPECT_FALSE(ProfileModified());
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyWindowTexts, ::testing::Values(u"default.lng", u"ru.lng"));

}  // namespace
}  // namespace qv::test
