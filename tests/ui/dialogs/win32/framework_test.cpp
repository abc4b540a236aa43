// The settings windows' base and spin edit under Wine, on a window of the
// tests' own: what a spin edit holds and reads back, that loading it is no
// edit, and that an error in a window's code is shown once and closes the
// window with polling running again.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "engine/PollThread.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/dialogs/win32/TestWindow.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/win32/ModalDialog.h"
#include "ui/dialogs/win32/SpinEdit.h"

namespace qv::test {
namespace {

using ui::dialogs::win32::TSpinEdit;

class TTestWindow final : public ui::dialogs::win32::TModalDialog {
 public:
  TTestWindow() : TModalDialog(IDD_TEST_WINDOW, "fmTest", {}) {}
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

TEST_F(Framework, AnErrorInAWindowIsShownOnceAndClosesItWithPollingRunningAgain) {
  ASSERT_TRUE(Running.load());
  TTestWindow window;
  HWND opened = nullptr;
  int boxes = 0;
  DriveModal([&] { window.Execute(main->Handle()); },
             {
                 [&](HWND w) {
                   opened = w;
                   EXPECT_FALSE(Running.load()) << "polling while the window is open";
                   // Posted: the step's own call would return into the timer.
                   PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_TEST_FAIL, BN_CLICKED), 0);
                 },
                 [&](HWND box) {
                   ASSERT_TRUE(IsMessageBox(box));
                   EXPECT_EQ(MessageBoxText(box), u"The test window fails.");
                   ++boxes;
                   PostMessageW(box, WM_COMMAND, IDOK, 0);
                 },
             });
  EXPECT_EQ(boxes, 1);
  EXPECT_FALSE(IsWindow(opened));
  EXPECT_EQ(window.Handle(), nullptr);
  EXPECT_TRUE(Running.load());
}

}  // namespace
}  // namespace qv::test
