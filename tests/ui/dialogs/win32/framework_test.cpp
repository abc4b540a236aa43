// The settings windows' base and spin edit under Wine, on a window of the
// tests' own: what a spin edit holds and reads back, that loading it is no
// edit, that the walk's texts reach lists and tooltips, and that an error in
// a window (its code, or a listed control it lacks) is shown once and closes
// it with polling running again.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>

#include "base/Error.h"
#include "engine/PollThread.h"
#include "lang/Lang.h"
#include "lang/Translator.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/dialogs/win32/TestWindow.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::test {
namespace {

using ui::dialogs::win32::TSpinEdit;

using ui::dialogs::TControlText;

constexpr TControlText listAndPicture[] = {
    {"comboTest", lang::Kind::ComboBox, IDC_TEST_LIST, 2},
    {"btPicture", lang::Kind::SpeedButton, IDC_TEST_PICTURE},
};
constexpr TControlText missingControl[] = {{"lbMissing", lang::Kind::Label, 999}};

class TTestWindow final : public ui::dialogs::win32::TModalDialog {
 public:
  explicit TTestWindow(std::span<const TControlText> texts = {})
      : TModalDialog(IDD_TEST_WINDOW, "fmTest", texts) {}
  // As a settings window opens: polling stopped while open.
  void Execute(HWND owner) {
    ui::dialogs::TPollingGuard polling;
    Run(owner);
  }

  TSpinEdit wide, narrow;
  int notices = 0;

 private:
  void OnInit() override {
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
    std::span<const TControlText> texts;
    const char16_t* message;
  };
  const Case cases[] = {
      {"its code throws", {}, u"The test window fails."},
      {"a listed control is missing", missingControl, u"The window fmTest has no control lbMissing."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Running.load());
    TTestWindow window(c.texts);
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
    // A window that lacks a listed control fails as it opens.
    DriveModal([&] { window.Execute(main->Handle()); },
               c.texts.empty() ? std::vector<TStep>{fail, closeBox} : std::vector<TStep>{closeBox});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(window.Handle(), nullptr);
    EXPECT_TRUE(Running.load());
  }
}

}  // namespace
}  // namespace qv::test
