// The settings windows' base and spin edit under Wine, on a window of the
// tests' own: what a spin edit holds and reads back, that loading it is no
// edit, that the walk's texts reach lists and tooltips, that an error in a
// window (its code, a listed control or a component it lacks, a part that
// cannot be made) is shown once and closes it with polling running again,
// that an error in a part leaves the window open, and that a failed restart
// of polling is heard once.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "base/Error.h"
#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "lang/Lang.h"
#include "lang/Translator.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/dialogs/win32/TestWindow.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/win32/ChildDialog.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"
#include "ui/win32/ErrorBox.h"

namespace qv::test {
namespace {

using ui::dialogs::TControlText;
using ui::dialogs::TPollingGuard;
using ui::dialogs::win32::TSpinEdit;

constexpr TControlText listAndPicture[] = {
    {"comboTest", lang::Kind::ComboBox, IDC_TEST_LIST, 2},
    {"btPicture", lang::Kind::SpeedButton, IDC_TEST_PICTURE},
};
constexpr TControlText missingControl[] = {{"lbMissing", lang::Kind::Label, 999}};
constexpr TControlText partTexts[] = {{"lbPart", lang::Kind::Label, IDC_TEST_PART_LABEL}};

class TTestPart final : public ui::dialogs::win32::TChildDialog {
 public:
  TTestPart() : TChildDialog(IDD_TEST_PART, partTexts) {}

 private:
  void OnCommand(int id, int) override {
    if (id == IDC_TEST_FAIL) throw Error(u"The test part fails.");
  }
};

// The part takes the texts of frPart, described with partDescribed.
class TTestWindow final : public ui::dialogs::win32::TModalDialog {
 public:
  explicit TTestWindow(std::span<const TControlText> texts = {},
                       std::span<const TControlText> partDescribed = partTexts)
      : TModalDialog(IDD_TEST_WINDOW, "fmTest", texts) {
    ui::dialogs::DescribePart(Components(), "frPart", lang::Kind::Other, partDescribed);
  }
  // As a settings window opens: polling stopped while open.
  bool Execute(HWND owner) {
    TPollingGuard polling(ui::ReportError);
    const bool confirmed = Run(owner);
    polling.Restart();
    return confirmed;
  }

  TSpinEdit wide, narrow;
  TTestPart part;
  int notices = 0;

 private:
  void OnInit() override {
    part.Create(Handle(), ui::dialogs::FindComponent(Components(), "frPart"));
    part.TakePlaceOf(IDC_TEST_PLACE);
    wide.Attach(Handle(), IDC_TEST_WIDE, IDC_TEST_WIDE_UD, -1000, 70000);
    narrow.Attach(Handle(), IDC_TEST_NARROW, IDC_TEST_NARROW_UD, 0, 1000, 10);
    wide.OnChange = narrow.OnChange = [this] { ++notices; };
    wide.SetValue(65535);
    narrow.SetValue(5000);  // a stored value beyond the range
  }
  void OnCommand(int id, int code) override {
    if (wide.Command(id, code) || narrow.Command(id, code)) return;
    if (id == IDC_TEST_FAIL) throw Error(u"The test window fails.");
  }
};

using Framework = MainWindowTest;

TEST_F(Framework, SpinEditHoldsWideValuesReadsTypedTextClampedAndLoadsWithoutANotice) {
  TTestWindow window;
  DriveModal([&] { window.Execute(main->Handle()); },
             {
                 [&](HWND w) {
                   EXPECT_EQ(window.notices, 0) << "loading is no edit";
                   EXPECT_EQ(TextOf(w, IDC_TEST_WIDE), u"65535");
                   EXPECT_EQ(window.wide.Value(), 65535);
                   EXPECT_EQ(window.narrow.Value(), 1000);
                   window.wide.SetValue(-999);
                   EXPECT_EQ(TextOf(w, IDC_TEST_WIDE), u"-999");
                   EXPECT_EQ(window.wide.Value(), -999);
                   EXPECT_EQ(window.notices, 0);
                   Type(w, IDC_TEST_NARROW, u"5000");
                   EXPECT_EQ(window.narrow.Value(), 1000);
                   EXPECT_EQ(window.notices, 1) << "typing is an edit";
                   Type(w, IDC_TEST_NARROW, u"");
                   EXPECT_EQ(window.narrow.Value(), 0);
                   // The arrow key on the edit steps by the window's step.
                   window.narrow.SetValue(500);
                   SetForegroundWindow(w);
                   SetFocus(GetDlgItem(w, IDC_TEST_NARROW));
                   PressKeys({VK_UP});
                 },
                 [&](HWND w) {
                   EXPECT_EQ(window.narrow.Value(), 510);
                   Click(w, IDOK);
                 },
             });
}

TEST_F(Framework, TheWalksTextsReachListItemsAndTooltipsButNotAPicturesCaption) {
  TTestWindow window(listAndPicture);
  // The walk, as at start-up, over a language section of the test's own.
  const std::map<std::string_view, std::u16string_view> section = {{"fmTest", u"Test window"},
                                                                   {"comboTest_0", u"First"},
                                                                   {"comboTest_1", u"Second"},
                                                                   {"btPicture", u"Hint"}};
  const lang::LookupProc installed = lang::LangLookup;
  lang::LangLookup = [&](std::string_view, std::string_view key, std::u16string_view fallback) {
    const auto found = section.find(key);
    return std::u16string(found == section.end() ? fallback : found->second);
  };
  lang::TranslateComponent(window.Components(), "fmTest");
  lang::LangLookup = installed;
  DriveModal([&] { window.Execute(main->Handle()); },
             {
                 [&](HWND w) {
                   EXPECT_EQ(TextOf(w), u"Test window");
                   EXPECT_EQ(ItemsOf(w, IDC_TEST_LIST), (std::vector<std::u16string>{u"First", u"Second"}));
                   EXPECT_EQ(TextOf(w, IDC_TEST_PICTURE), u"");
                   HWND tips = nullptr;
                   while ((tips = FindWindowExW(nullptr, tips, TOOLTIPS_CLASSW, nullptr)) != nullptr) {
                     if (GetWindow(tips, GW_OWNER) == w) break;
                   }
                   ASSERT_NE(tips, nullptr);
                   wchar_t text[64] = {};
                   TTTOOLINFOW tool{};
                   tool.cbSize = sizeof(tool);
                   tool.hwnd = w;
                   tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(w, IDC_TEST_PICTURE));
                   tool.lpszText = text;
                   SendMessageW(tips, TTM_GETTEXTW, 64, LPARAM(&tool));
                   EXPECT_EQ(std::wstring(text), L"Hint");
                   Click(w, IDOK);
                 },
             });
}

TEST_F(Framework, AnErrorInAWindowIsShownOnceAndClosesItWithPollingRunningAgain) {
  struct Case {
    const char* what;
    std::span<const TControlText> texts, partDescribed;
    bool componentDropped;  // the tree lost the first listed control's component
    const char16_t* message;
  };
  const Case cases[] = {
      {"its code throws", {}, partTexts, false, u"The test window fails."},
      {"a listed control is missing", missingControl, partTexts, false,
       u"The window fmTest has no control lbMissing."},
      {"a listed component is missing", listAndPicture, partTexts, true,
       u"The window fmTest has no component comboTest."},
      {"its part's component is missing", {}, {}, false, u"The window frPart has no component lbPart."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Running.load());
    TTestWindow window(c.texts, c.partDescribed);
    if (c.componentDropped) window.Components().owned.erase(window.Components().owned.begin());
    int boxes = 0;
    const TStep closeBox = [&](HWND box) {
      ASSERT_TRUE(IsMessageBox(box));
      EXPECT_EQ(MessageBoxText(box), c.message);
      ++boxes;
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    };
    const TStep fail = [&](HWND w) {
      EXPECT_FALSE(Running.load()) << "polling while the window is open";
      // Posted: the step's own call would return into the timer.
      PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_TEST_FAIL, BN_CLICKED), 0);
    };
    // A window that lacks a listed control or component fails as it opens.
    const bool failsAtOpening = !c.texts.empty() || c.partDescribed.empty();
    bool confirmed = true;
    DriveModal([&] { confirmed = window.Execute(main->Handle()); },
               failsAtOpening ? std::vector<TStep>{closeBox} : std::vector<TStep>{fail, closeBox});
    EXPECT_EQ(boxes, 1);
    EXPECT_FALSE(confirmed) << "closed as cancelled";
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_EQ(window.part.Handle(), nullptr) << "the part goes with its window";
    EXPECT_TRUE(Running.load());
  }
}

TEST_F(Framework, AnErrorInAPartIsShownOnceAndLeavesItsWindowOpen) {
  TTestWindow window;
  int boxes = 0;
  bool confirmed = false;
  DriveModal([&] { confirmed = window.Execute(main->Handle()); },
             {
                 [&](HWND w) {
                   HWND part = GetDlgItem(w, IDC_TEST_PLACE);
                   ASSERT_EQ(part, window.part.Handle()) << "the part took the place and its id";
                   EXPECT_EQ(TextOf(part, IDC_TEST_PART_LABEL), u"lbPart");
                   PostMessageW(part, WM_COMMAND, MAKEWPARAM(IDC_TEST_FAIL, BN_CLICKED), 0);
                 },
                 [&](HWND box) {
                   ASSERT_TRUE(IsMessageBox(box));
                   EXPECT_EQ(MessageBoxText(box), u"The test part fails.");
                   EXPECT_EQ(GetWindow(box, GW_OWNER), window.Handle()) << "the box is the window's";
                   ++boxes;
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                 },
                 [&](HWND w) {
                   EXPECT_EQ(w, window.Handle());
                   EXPECT_TRUE(IsWindow(window.part.Handle()));
                   Click(w, IDOK);
                 },
             });
  EXPECT_EQ(boxes, 1);
  EXPECT_TRUE(confirmed);
}

// Restart raises to the window's caller, which reports it; a guard left
// without its restart (an error on its way, an early return) restarts and
// reports a failure in the one error box itself, never throwing.
TEST_F(Framework, AFailedRestartOfPollingIsRaisedByRestartAndReportedByTheGuardAlone) {
  const auto rebuild = EngineHooks.RebuildList;
  const auto failingRebuild = [] { throw Error(u"The list cannot be rebuilt."); };
  EngineHooks.RebuildList = failingRebuild;
  DriveModal(
      [&] {
        TPollingGuard polling(ui::ReportError);
        EXPECT_FALSE(Running.load());
        EXPECT_THROW(polling.Restart(), Error);
      },
      {});  // no step: a box left open fails the test
  EXPECT_FALSE(Running.load());

  EngineHooks.RebuildList = rebuild;
  StartPolling();
  EngineHooks.RebuildList = failingRebuild;
  int boxes = 0;
  DriveModal([&] { TPollingGuard polling(ui::ReportError); }, {
                                                                  [&](HWND box) {
                                                                    ASSERT_TRUE(IsMessageBox(box));
                                                                    EXPECT_EQ(MessageBoxText(box),
                                                                              u"The list cannot be rebuilt.");
                                                                    ++boxes;
                                                                    PostMessageW(box, WM_COMMAND, IDOK, 0);
                                                                  },
                                                              });
  EXPECT_EQ(boxes, 1);
  EXPECT_FALSE(Running.load());
  EngineHooks.RebuildList = rebuild;
  StartPolling();
}

}  // namespace
}  // namespace qv::test
