// The program's settings windows under Wine, opened from the main window as
// a user opens them: their translated texts after the language file was
// pruned, the joystick window's pages among them (and a screenshot of each
// window and page in both languages), polling and the profile's modified
// flag around each, the tray while one is open, the link of the about
// window, and the real sound devices in the program settings.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Sound.h"
#include "mixer/Mixer.h"
#include "mixer/win32/WinmmMixer.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "tests/ui/win32/WindowPicture.h"
#include "ui/dialogs/resource.h"
#include "ui/win32/TrayIcon.h"

namespace qv::test {
namespace {

using ui::TActionId;

struct TWindowCase {
  TActionId action;
  const char* name;
  const char16_t* englishCaption;
  const char16_t* russianCaption;
};
const TWindowCase windows[] = {
    {TActionId::Compatibility, "fmCompatibility", u"Compatibility", u"Совместимость"},
    {TActionId::ProgSettings, "fmProgSettings", u"Program settings", u"Параметры программы"},
    {TActionId::About, "fmAbout", u"About Quorvex", u"О программе Quorvex"},
    {TActionId::JoySettings, "fmJoySettings", u"Joystick axes", u"Оси джойстика"},
};

class WindowTexts : public MainWindowTest, public ::testing::WithParamInterface<const char16_t*> {
 protected:
  void SetUp() override { Open(GetParam()); }
};

TEST_P(WindowTexts, EveryControlShowsItsTranslationLongAfterThePruning) {
  const bool russian = std::u16string_view(GetParam()) == u"ru.lng";
  for (const TWindowCase& c : windows) {
    SCOPED_TRACE(c.name);
    DriveModal([&] { main->Execute(c.action); },
               {
                   [&](HWND w) {
                     EXPECT_EQ(TextOf(w), russian ? c.russianCaption : c.englishCaption);
                     EXPECT_EQ(UntranslatedControls(w), std::vector<std::string>{});
                     EXPECT_EQ(GetWindow(w, GW_OWNER), main->Handle());
                     EXPECT_FALSE(IsWindowEnabled(main->Handle()));
                     RedrawWindow(w, nullptr, nullptr,
                                  RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
                   },
                   [&](HWND w) {
                     SaveWindowPicture(w, std::string(c.name) + (russian ? "-ru.png" : "-en.png"));
                     Click(w, IDCANCEL);
                   },
               });
  }
  EXPECT_TRUE(IsWindowEnabled(main->Handle()));
}

// The colour near the bottom left corner of a window's client area, where
// no control lies: its background.
COLORREF CornerColour(HWND window) {
  RECT box{};
  GetClientRect(window, &box);
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, 2, box.bottom - 3);
  ReleaseDC(window, dc);
  return colour;
}

// The axis types' pages are child dialogs in the tab control's display area,
// one shown at a time, each translated in the window's section and pictured
// on its own background.
TEST_P(WindowTexts, TheJoystickWindowsPagesAreTranslatedChildWindowsOnTheTabs) {
  const bool russian = std::u16string_view(GetParam()) == u"ru.lng";
  struct Page {
    int id;
    const char* name;
    const char16_t *english, *russian;
    int control;  // one of its controls, with its translation below
    const char16_t *englishText, *russianText;
  };
  const Page pages[] = {
      {IDD_PAGE_UNUSED, "tabUnused", u"Not used", u"Не используется", 0, nullptr, nullptr},
      {IDD_PAGE_MULTIPOS, "tabMultipos", u"Lever with notches", u"Рукоятка с позициями", IDC_BT_TAKE_SWITCH,
       u"&Take position", u"&Запомнить позицию"},
      {IDD_PAGE_ANALOG, "tabContinuous", u"Analog", u"Плавная ось", IDC_BT_TAKE_CONT, u"Ta&ke current",
       u"&Взять текущее"},
  };
  std::vector<TStep> steps;
  for (int p = 0; p < 3; ++p) {
    steps.push_back([&, p](HWND w) {
      const Page& page = pages[p];
      SCOPED_TRACE(page.name);
      HWND tabs = GetDlgItem(w, IDC_PAGES_AXIS_TYPE);
      PickTab(w, IDC_PAGES_AXIS_TYPE, p);
      wchar_t caption[64] = {};
      TCITEMW tab{};
      tab.mask = TCIF_TEXT;
      tab.pszText = caption;
      tab.cchTextMax = 64;
      SendMessageW(tabs, TCM_GETITEMW, WPARAM(p), LPARAM(&tab));
      EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(caption)),
                russian ? page.russian : page.english);
      HWND child = GetDlgItem(w, page.id);
      ASSERT_NE(child, nullptr);
      EXPECT_EQ(GetParent(child), w);
      EXPECT_NE(GetWindowLongW(child, GWL_STYLE) & DS_CONTROL, 0);
      for (const Page& other : pages)
        EXPECT_EQ(IsWindowVisible(GetDlgItem(w, other.id)) != FALSE, &other == &page) << other.name;
      RECT area{}, placed{};
      GetWindowRect(tabs, &area);
      SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
      GetWindowRect(child, &placed);
      EXPECT_TRUE(EqualRect(&area, &placed)) << "in the tab's display area";
      if (page.control != 0) {
        EXPECT_EQ(TextOf(child, page.control), russian ? page.russianText : page.englishText);
      }
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    });
    steps.push_back([&, p](HWND w) {
      EXPECT_NE(CornerColour(GetDlgItem(w, pages[p].id)), CornerColour(w))
          << pages[p].name << " on the tab's own background, not the window's";
      SaveWindowPicture(w, std::string("fmJoySettings-") + pages[p].name + (russian ? "-ru.png" : "-en.png"));
    });
  }
  steps.push_back([](HWND w) { Click(w, IDCANCEL); });
  DriveModal([&] { main->Execute(TActionId::JoySettings); }, steps);
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTexts, ::testing::Values(u"default.lng", u"ru.lng"));

using SettingsWindows = MainWindowTest;

// Enter presses the default button, OK; Esc is Cancel.
TEST_F(SettingsWindows, PollingStopsWhileAProfileWindowIsOpenAndOnlyCompatibilityMarksTheProfile) {
  struct Case {
    TActionId action;
    WORD closeKey;
    bool pollsWhileOpen;
    bool marks;
  };
  const Case cases[] = {
      {TActionId::Compatibility, VK_RETURN, false, true}, {TActionId::Compatibility, VK_ESCAPE, false, false},
      {TActionId::ProgSettings, VK_RETURN, false, false}, {TActionId::ProgSettings, VK_ESCAPE, false, false},
      {TActionId::About, VK_RETURN, true, false},         {TActionId::JoySettings, VK_ESCAPE, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.action) * 1000 + c.closeKey);
    ClearModified();
    ASSERT_TRUE(Running.load());
    DriveModal([&] { main->Execute(c.action); }, {
                                                     [&](HWND w) {
                                                       EXPECT_EQ(Running.load(), c.pollsWhileOpen);
                                                       SetForegroundWindow(w);
                                                       PressKeys({c.closeKey});
                                                     },
                                                 });
    EXPECT_TRUE(Running.load());
    EXPECT_EQ(ProfileModified(), c.marks);
  }
  ClearModified();
}

// OK with a pause out of its range or no number keeps the window open on
// that field, its text selected, and says the range (in a balloon, or a box
// where the edit shows none); once mended, OK stores.
TEST_F(SettingsWindows, CompatibilityRefusesAPauseOutOfRangeOrNoNumberUntilMended) {
  ShiftPause = 40;
  TapPause = 5000;  // beyond the window's range: shown as its maximum
  const auto postOk = [](HWND w) { PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
  const TStep rangeTold = [](HWND front) {
    if (!IsMessageBox(front)) return;
    EXPECT_NE(MessageBoxText(front).find(u"0 to 1000"), std::u16string::npos)
        << ToUtf8(MessageBoxText(front));
    PostMessageW(front, WM_COMMAND, IDOK, 0);
  };
  const auto expectRefused = [](HWND w, int field) {
    ASSERT_FALSE(IsMessageBox(w));
    EXPECT_EQ(TextOf(w), u"Compatibility") << "the window stays open";
    EXPECT_EQ(GetFocus(), GetDlgItem(w, field));
    DWORD from = 1, to = 0;
    SendDlgItemMessageW(w, field, EM_GETSEL, WPARAM(&from), LPARAM(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, DWORD(TextOf(w, field).size())) << "the whole text is selected";
  };
  const int32_t row = 0;  // the joystick row opens the window too
  main->Tree().SelectRow(row);
  DriveModal([&] { main->RowDoubleClick(); }, {
                                                  [&](HWND w) {
                                                    EXPECT_EQ(TextOf(w, IDC_SPIN_SHIFT_DELAY), u"40");
                                                    EXPECT_EQ(TextOf(w, IDC_SPIN_PRESS_DELAY), u"1000");
                                                    Type(w, IDC_SPIN_SHIFT_DELAY, u"99999");
                                                    Type(w, IDC_SPIN_PRESS_DELAY, u"x-5");
                                                    postOk(w);
                                                  },
                                                  rangeTold,
                                                  [&](HWND w) {
                                                    expectRefused(w, IDC_SPIN_SHIFT_DELAY);
                                                    Type(w, IDC_SPIN_SHIFT_DELAY, u"250");
                                                    postOk(w);
                                                  },
                                                  rangeTold,
                                                  [&](HWND w) {
                                                    expectRefused(w, IDC_SPIN_PRESS_DELAY);
                                                    Type(w, IDC_SPIN_PRESS_DELAY, u"0");
                                                    Click(w, IDOK);
                                                  },
                                              });
  EXPECT_EQ(ShiftPause, 250);
  EXPECT_EQ(TapPause, 0);
  ClearModified();
  ResetProfile();
}

TEST_F(SettingsWindows, TheTrayOnlyBringsAnOpenWindowForward) {
  DriveModal([&] { main->Execute(TActionId::Compatibility); },
             {
                 [&](HWND w) {
                   SendMessageW(main->Handle(), WM_COMMAND, WPARAM(TActionId::PopExit), 0);
                   SendMessageW(main->Handle(), WM_COMMAND, WPARAM(TActionId::LoadNoHk), 0);
                   SendMessageW(main->Handle(), ui::TrayCallbackMessage, 0, WM_LBUTTONDBLCLK);
                   EXPECT_TRUE(IsWindow(main->Handle()));
                   EXPECT_EQ(FrontDialog(), w) << "no file dialog, no question";
                   EXPECT_EQ(GetForegroundWindow(), w);
                 },
                 [&](HWND w) { Click(w, IDCANCEL); },
             });
  EXPECT_TRUE(IsWindow(main->Handle()));
}

TEST_F(SettingsWindows, TheAboutLinkOpensThroughTheShellOrSaysError) {
  std::vector<std::u16string> asked;
  intptr_t shell = 32;  // the shell's answers up to 32 are failures
  dialogs->About.ShellOpen = [&](std::u16string_view address) {
    asked.emplace_back(address);
    return shell;
  };
  auto clickLink = [](HWND w) {
    PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_LB_LINK, STN_CLICKED), LPARAM(GetDlgItem(w, IDC_LB_LINK)));
  };
  DriveModal([&] { main->Execute(TActionId::About); },
             {
                 [&](HWND w) {
                   EXPECT_EQ(TextOf(w, IDC_LB_VERSION), u"v. 0.1.0");
                   clickLink(w);
                 },
                 [&](HWND box) {
                   ASSERT_TRUE(IsMessageBox(box));
                   EXPECT_EQ(TextOf(box), u"Error");
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                 },
                 [&](HWND w) {
                   EXPECT_FALSE(IsMessageBox(w));
                   shell = 33;
                   clickLink(w);
                 },
                 [&](HWND w) {
                   EXPECT_FALSE(IsMessageBox(w)) << "no box when the shell opened the page";
                   Click(w, IDOK);
                 },
             });
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0], asked[1]);
  EXPECT_TRUE(asked[0].starts_with(u"https://"));
}

TEST_F(SettingsWindows, ProgramSettingsListTheSoundServersDevicesAndTakeTheChoice) {
  TMixer system(win32::WinmmMixer());
  std::vector<std::u16string> devices;
  for (int i = 0; i < system.DeviceCount(); ++i) devices.push_back(system.DeviceName(i));
  ASSERT_GE(devices.size(), 2u) << "the null sink and source";
  const int recording = RecordingMixer().DeviceIndex();
  int other = -1;  // another device with a recording destination: the null source
  for (int i = 0; i < system.DeviceCount() && other < 0; ++i) {
    system.Open(i);
    if (i != recording && system.RecordingDestination()) other = i;
  }
  ASSERT_GE(other, 0);
  DriveModal([&] { main->Execute(TActionId::ProgSettings); },
             {
                 [&](HWND w) {
                   EXPECT_EQ(ItemsOf(w, IDC_COMBO_PLAY_DEV), devices);
                   EXPECT_EQ(ItemsOf(w, IDC_COMBO_REC_DEV), devices);
                   EXPECT_EQ(SendDlgItemMessageW(w, IDC_COMBO_REC_DEV, CB_GETCURSEL, 0, 0), recording);
                   EXPECT_EQ(ItemsOf(w, IDC_ED_JOYSTICK),
                             (std::vector<std::u16string>{u"", u"Quorvex Virtual Train Controller"}));
                   EXPECT_EQ(TextOf(w, IDC_SPIN_MIC_LEVEL),
                             std::u16string(FromUtf8(std::to_string(RecPercent))));
                   Pick(w, IDC_COMBO_REC_DEV, other);
                   Type(w, IDC_ED_JOYSTICK, u"Typed Stick");
                   // The range's least: a level out of it would keep the window open.
                   Type(w, IDC_SPIN_MIC_LEVEL, u"1");
                 },
                 [&](HWND w) {
                   EXPECT_FALSE(ItemsOf(w, IDC_COMBO_REC_LINE).empty());
                   EXPECT_EQ(SendDlgItemMessageW(w, IDC_COMBO_REC_LINE, CB_GETCURSEL, 0, 0), 0);
                   Click(w, IDOK);
                 },
             });
  EXPECT_EQ(RecordingMixer().DeviceIndex(), other);
  EXPECT_TRUE(RecLine);
  EXPECT_EQ(RecPercent, 1);
  EXPECT_EQ(joystick.PreferredName(), u"Typed Stick");
  joystick.SetPreferredName(u"");
  RecPercent = DefaultRecPercent;
}

}  // namespace
}  // namespace qv::test
