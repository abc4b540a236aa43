// The joystick window under Wine on the stand-in train controller, opened
// from the main window: the live value and the meter follow the lever while
// polling waits, notches taken from the lever land ascending in the list and
// in the saved file, Cancel keeps nothing, and a save that fails still
// starts polling again with one box for the user. The lever's own windows,
// opened from its rows, store within their ranges.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "sim/RecordingKeyboard.h"
#include "storage/JoySettingsFile.h"
#include "tests/TempFolder.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "tests/ui/win32/WindowPicture.h"
#include "ui/dialogs/resource.h"

namespace qv::test {
namespace {

using ui::TActionId;

// A page of the axis types: a child dialog with its template's id.
HWND Multipos(HWND window) { return GetDlgItem(window, IDD_PAGE_MULTIPOS); }
HWND Analog(HWND window) { return GetDlgItem(window, IDD_PAGE_ANALOG); }

std::vector<std::u16string> ListLines(HWND window) {
  HWND list = GetDlgItem(Multipos(window), IDC_LIST_POSITIONS);
  std::vector<std::u16string> lines;
  const int count = int(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t text[32] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list, LVM_GETITEMTEXTW, WPARAM(i), LPARAM(&item));
    lines.emplace_back(reinterpret_cast<const char16_t*>(text));
  }
  return lines;
}

int SelectedLine(HWND window) {
  return int(SendMessageW(GetDlgItem(Multipos(window), IDC_LIST_POSITIONS), LVM_GETNEXTITEM, WPARAM(-1),
                          LVNI_SELECTED));
}

// The share of the meter painted in the bar's lime, along its middle row.
double MeterShare(HWND window) {
  HWND meter = GetDlgItem(window, IDC_METER);
  RedrawWindow(meter, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT box{};
  GetClientRect(meter, &box);
  HDC dc = GetDC(meter);
  int lime = 0;
  for (int x = 0; x < box.right; ++x) lime += GetPixel(dc, x, box.bottom / 2) == RGB(0, 255, 0) ? 1 : 0;
  ReleaseDC(meter, dc);
  return box.right > 0 ? double(lime) / box.right : 0;
}

class JoySettingsWindow : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    saved_ = JoySettings;
    dialogs->JoySettings.SettingsFile = folder_.File(u"joy.qvjoy");
  }
  void TearDown() override {
    JoySettings = saved_;
    MainWindowTest::TearDown();
  }
  // The lever stands at value and the window has read it.
  void MoveLever(HWND w, int32_t value) {
    Set(sim::TControlKind::Axis, 0, value);
    const std::u16string shown = FromUtf8(std::to_string(value));
    Pump(1000, [&] { return TextOf(w, IDC_PAN_VALUE) == shown; });
    EXPECT_EQ(TextOf(w, IDC_PAN_VALUE), shown);
  }

  TempFolder folder_;
  TJoySettings saved_;
};

TEST_F(JoySettingsWindow, TheLiveValueFollowsTheLeverAndTakenNotchesAreSavedAscending) {
  const int32_t index = JoyAxes[0].Index;
  HWND window = nullptr;
  DriveModal(
      [&] { main->Execute(TActionId::JoySettings); },
      {
          [&](HWND w) {
            window = w;
            EXPECT_FALSE(Running.load()) << "polling waits while the window is open";
            EXPECT_EQ(SendMessageW(GetDlgItem(w, IDC_COMBO_AXES), CB_GETCURSEL, 0, 0), 0);
            MoveLever(w, 0);
            EXPECT_LT(MeterShare(w), 0.05);
            MoveLever(w, 49151);
            EXPECT_NEAR(MeterShare(w), 0.75, 0.05);
            PickTab(w, IDC_PAGES_AXIS_TYPE, atMultipos);
            Click(Multipos(w), IDC_BT_DELETE_ALL);
            for (int32_t notch : {60000, 2000, 30000, 45000}) {
              MoveLever(w, notch);
              Click(Multipos(w), IDC_BT_TAKE_SWITCH);
            }
            EXPECT_EQ(SelectedLine(w), 2) << "the new take is selected";
            MoveLever(w, 30100);  // within the noise margin of 30000
            Click(Multipos(w), IDC_BT_TAKE_SWITCH);
            EXPECT_EQ(SelectedLine(w), 1);
            EXPECT_EQ(ListLines(w), (std::vector<std::u16string>{u"2000", u"30000", u"45000", u"60000"}));
            Type(w, IDC_ED_NAME, u"  Throttle ");
            Click(w, IDOK);
          },
      });
  EXPECT_TRUE(Running.load());
  // The refresh timer belonged to the window, gone before Execute returned
  // and polling started again: nothing reads the controller beside the poll thread.
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(KillTimer(window, 1));
  const TAxisSettings& axis = JoySettings.Axes[size_t(index)];
  EXPECT_EQ(axis.Type, atMultipos);
  EXPECT_EQ(axis.Name, u"Throttle");
  ASSERT_EQ(axis.Count, 4);
  EXPECT_EQ((std::vector<int32_t>(axis.Value.begin(), axis.Value.begin() + 4)),
            (std::vector<int32_t>{2000, 30000, 45000, 60000}));
  JoySettings = {};
  EXPECT_EQ(ToUtf8(LoadJoySettings(folder_.File(u"joy.qvjoy"))), "");
  EXPECT_EQ(JoySettings.Axes[size_t(index)].Count, 4) << "the file holds what OK took";
}

// The selected notch stands out while the focus is elsewhere: its line has
// the highlight colour, not the list's pale grey.
TEST_F(JoySettingsWindow, TheSelectedNotchIsHighlightedWithoutTheFocus) {
  DriveModal([&] { main->Execute(TActionId::JoySettings); },
             {
                 [&](HWND w) {
                   PickTab(w, IDC_PAGES_AXIS_TYPE, atMultipos);
                   Click(Multipos(w), IDC_BT_DELETE_ALL);
                   for (int32_t notch : {2000, 40000}) {
                     MoveLever(w, notch);
                     Click(Multipos(w), IDC_BT_TAKE_SWITCH);
                   }
                   SetFocus(GetDlgItem(w, IDC_ED_NAME));
                   HWND list = GetDlgItem(Multipos(w), IDC_LIST_POSITIONS);
                   RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                   const auto colourOf = [&](int line) {
                     RECT row{};
                     row.left = LVIR_BOUNDS;
                     SendMessageW(list, LVM_GETITEMRECT, WPARAM(line), LPARAM(&row));
                     HDC dc = GetDC(list);
                     // Right of the text, in the line's own ground.
                     const COLORREF c = GetPixel(dc, row.right - 4, (row.top + row.bottom) / 2);
                     ReleaseDC(list, dc);
                     return c;
                   };
                   ASSERT_EQ(SelectedLine(w), 1);
                   EXPECT_EQ(colourOf(1), GetSysColor(COLOR_HIGHLIGHT));
                   EXPECT_NE(colourOf(0), GetSysColor(COLOR_HIGHLIGHT));
                   Click(w, IDCANCEL);
                 },
             });
}

TEST_F(JoySettingsWindow, CancelKeepsNothingAndAFailedSaveStartsPollingWithOneBox) {
  const TJoySettings before = JoySettings;
  DriveModal([&] { main->Execute(TActionId::JoySettings); },
             {
                 [&](HWND w) {
                   PickTab(w, IDC_PAGES_AXIS_TYPE, atAnalog);
                   Click(Analog(w), IDC_BT_CEN);
                   EXPECT_EQ(TextOf(Analog(w), IDC_SPIN_NEUTRAL), u"32767");
                   Type(w, IDC_SPIN_NOISE, u"0");
                   Click(w, IDCANCEL);
                 },
             });
  EXPECT_TRUE(Running.load());
  EXPECT_EQ(JoySettings.Noise, before.Noise);
  EXPECT_EQ(JoySettings.Axes[size_t(JoyAxes[0].Index)].Type, before.Axes[size_t(JoyAxes[0].Index)].Type);
  EXPECT_FALSE(std::filesystem::exists(folder_.path() / "joy.qvjoy")) << "only OK saves";

  // A folder that is not there: the save raises after the window closed.
  dialogs->JoySettings.SettingsFile = folder_.File(u"missing/joy.qvjoy");
  int boxes = 0;
  DriveModal([&] { SendMessageW(main->Handle(), WM_COMMAND, WPARAM(TActionId::JoySettings), 0); },
             {
                 [&](HWND w) { Click(w, IDOK); },
                 [&](HWND w) {
                   boxes += IsMessageBox(w) ? 1 : 0;
                   EXPECT_TRUE(Running.load()) << "polling runs again before the box";
                   SendMessageW(w, WM_COMMAND, IDOK, 0);
                 },
             });
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(FrontDialog(), nullptr);
  EXPECT_TRUE(Running.load());
}

class LeverWindows : public MainWindowTest, public ::testing::WithParamInterface<const char16_t*> {
 protected:
  void SetUp() override { Open(GetParam()); }
  std::string Picture(const std::string& name) const {
    return name + (std::u16string_view(GetParam()) == u"ru.lng" ? "-ru.png" : "-en.png");
  }
  void TearDown() override {
    ClearModified();
    ResetProfile();
    MainWindowTest::TearDown();
  }
};

// The axis window bounds the limit and the start by the lever's segments,
// keeps linked counts equal, bounds the tap hold and renumbers on OK; the
// position window takes a negative notch number and a gate hold. Both are
// pictured in both languages.
TEST_P(LeverWindows, AxisAndPositionWindowsStoreWithinTheirRangesFromTheRows) {
  const int32_t segments = AxisTrackers[0].SegmentCount;
  ASSERT_TRUE(AxisTrackers[0].Active);
  ASSERT_GT(segments, 1);
  ProfileAxes[0].ResyncFirst = ProfileAxes[0].ResyncLast = 2;
  ProfileAxes[0].Position(1).UserIndex = 7;
  ProfileAxes[0].StepHold = 90;
  ProfileAxes[0].Position(2).GateHold = 400;
  ClearModified();
  const auto draw = [](HWND w) {
    SetForegroundWindow(w);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  };
  DriveModal([&] { OpenRow(ui::TRowCommand::AxisSettings, 0); },
             {
                 draw,
                 [&](HWND w) {
                   EXPECT_EQ(UntranslatedControls(w), std::vector<std::string>{});
                   SaveWindowPicture(w, Picture("fmAxisSettings"));
                   EXPECT_FALSE(Running.load());
                   EXPECT_EQ(TextOf(w, IDC_SPIN_STEP_HOLD), u"90");
                   EXPECT_EQ(TextOf(w, IDC_SPIN_STEP_GAP), u"0");
                   Type(w, IDC_SPIN_STEP_HOLD, u"2000");
                   Type(w, IDC_SPIN_STEP_GAP, u"60");
                   EXPECT_EQ(IsDlgButtonChecked(w, IDC_BT_LINKED), BST_CHECKED);
                   Type(w, IDC_SPIN_RESYNC_LAST, u"3");
                   EXPECT_EQ(TextOf(w, IDC_SPIN_RESYNC_FIRST), u"3");
                   Type(w, IDC_SPIN_POS_LIMIT, u"99");
                   Type(w, IDC_SPIN_INITIAL_POS, u"2");
                   // A check box toggles on a real click, not on its notice.
                   SendDlgItemMessageW(w, IDC_CHK_REENUMERATE, BM_CLICK, 0, 0);
                   PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                 },
                 // Beyond the segment count: refused, with a balloon (or a
                 // box where the edit shows none), the window kept open.
                 [&](HWND front) {
                   if (IsMessageBox(front)) PostMessageW(front, WM_COMMAND, IDOK, 0);
                 },
                 [&](HWND w) {
                   ASSERT_FALSE(IsMessageBox(w));
                   EXPECT_EQ(GetFocus(), GetDlgItem(w, IDC_SPIN_POS_LIMIT));
                   Type(w, IDC_SPIN_POS_LIMIT, FromUtf8(std::to_string(segments)));
                   Click(w, IDOK);
                 },
             });
  EXPECT_TRUE(Running.load());
  EXPECT_TRUE(ProfileModified());
  EXPECT_EQ(ProfileAxes[0].PosLimit, segments);
  EXPECT_EQ(ProfileAxes[0].InitialPos, 2);
  EXPECT_EQ(ProfileAxes[0].ResyncFirst, 3);
  EXPECT_EQ(ProfileAxes[0].ResyncLast, 3);
  EXPECT_EQ(ProfileAxes[0].Position(1).UserIndex, 1);
  EXPECT_EQ(ProfileAxes[0].StepHold, 2000);
  EXPECT_EQ(ProfileAxes[0].StepGap, 60);

  ClearModified();
  DriveModal([&] { OpenRow(ui::TRowCommand::PosSettings, 0, 2); },
             {
                 draw,
                 [&](HWND w) {
                   EXPECT_EQ(UntranslatedControls(w), std::vector<std::string>{});
                   SaveWindowPicture(w, Picture("fmPosSettings"));
                   EXPECT_EQ(TextOf(w, IDC_SPIN_INDEX), u"2");
                   EXPECT_EQ(TextOf(w, IDC_SPIN_GATE_HOLD), u"400");
                   Type(w, IDC_SPIN_INDEX, u"-999");
                   Type(w, IDC_SPIN_GATE_HOLD, u"700");
                   Click(w, IDOK);
                 },
             });
  EXPECT_EQ(ProfileAxes[0].Position(2).UserIndex, -999);
  EXPECT_EQ(ProfileAxes[0].Position(2).GateHold, 700);
  EXPECT_TRUE(ProfileModified());
}

// Key-ups of vk sent so far through the tests' recording keyboard.
int KeyUps(uint16_t vk) {
  int ups = 0;
  for (const TKeyInput& input : static_cast<sim::RecordingKeyboard*>(Seams().Keyboard)->Inputs())
    ups += input.Vk == vk && (input.Flags & KEYEVENTF_KEYUP) != 0 ? 1 : 0;
  return ups;
}

// The wizard from the lever window, the user's answer a button of the
// virtual controller pressed after the third Up tap (held 30 ms as sent):
// the hold it found fills both fields, which OK stores; no key stays down.
TEST_P(LeverWindows, MeasureWizardFillsTheHoldOfTheTapBeforeTheButton) {
  auto* keyboard = static_cast<sim::RecordingKeyboard*>(Seams().Keyboard);
  keyboard->Clear();
  ProfileAxes[0].Up = {.ScanCode = 0x1E, .Vkey = 'A'};
  ProfileAxes[0].Down = {.ScanCode = 0x2C, .Vkey = 'Z'};
  const auto draw = [](HWND w) {
    SetForegroundWindow(w);
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  };
  std::u16string found;
  DriveModal([&] { OpenRow(ui::TRowCommand::AxisSettings, 0); },
             {
                 [&](HWND w) {
                   ASSERT_TRUE(IsWindowEnabled(GetDlgItem(w, IDC_BT_MEASURE))) << "two keys: measurable";
                   PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_BT_MEASURE, BN_CLICKED), 0);
                 },
                 draw,
                 [&](HWND wizard) {
                   EXPECT_EQ(UntranslatedControls(wizard), std::vector<std::string>{});
                   SaveWindowPicture(wizard, Picture("fmStepMeasure"));
                   EXPECT_FALSE(Running.load()) << "polling waits while the wizard reads the controller";
                   Click(wizard, IDC_BT_START);
                 },
                 [&](HWND wizard) {
                   // Countdown, then one Up tap and its undoing Down every 1.5 s.
                   const DWORD until = GetTickCount() + 20000;
                   while (KeyUps('Z') < 3 && GetTickCount() < until) Sleep(5);
                   ASSERT_EQ(KeyUps('Z'), 3) << "the third tap undone";
                   Set(sim::TControlKind::Button, 0, 128);
                   Sleep(300);  // the thread reads it and returns, posting its end
                   (void)wizard;
                 },
                 [&](HWND wizard) {
                   Set(sim::TControlKind::Button, 0, 0);
                   found = TextOf(wizard, IDC_LB_STATUS);
                   ASSERT_TRUE(IsWindowEnabled(GetDlgItem(wizard, IDC_BT_USE))) << ToUtf8(found);
                   Click(wizard, IDC_BT_USE);
                 },
                 [&](HWND w) {
                   EXPECT_EQ(TextOf(w, IDC_SPIN_STEP_GAP), TextOf(w, IDC_SPIN_STEP_HOLD));
                   EXPECT_EQ(ProfileAxes[0].StepHold, 0) << "nothing stored before OK";
                   Click(w, IDOK);
                 },
             });
  const int32_t hold = ProfileAxes[0].StepHold;
  // As really held, rounded up to 5 ms: the 30 ms sent may last a little longer.
  EXPECT_TRUE(hold == 30 || hold == 35) << hold << " " << ToUtf8(found);
  EXPECT_EQ(ProfileAxes[0].StepGap, hold);
  EXPECT_EQ(KeyUps('A'), 3) << "no tap after the answer";
  EXPECT_TRUE(keyboard->KeysDown().empty());
  EXPECT_TRUE(Running.load());
}

// Cancel in the middle of a tap: the wizard's thread is joined, every key is
// up, and the lever window keeps its fields.
TEST_P(LeverWindows, MeasureWizardCancelledLeavesEveryKeyUpAndTheFieldsAsTheyWere) {
  auto* keyboard = static_cast<sim::RecordingKeyboard*>(Seams().Keyboard);
  keyboard->Clear();
  ProfileAxes[0].Up = {.ScanCode = 0x1E, .Vkey = 'A'};
  ProfileAxes[0].Down = {.ScanCode = 0x2C, .Vkey = 'Z'};
  ProfileAxes[0].StepHold = 80;
  DriveModal([&] { OpenRow(ui::TRowCommand::AxisSettings, 0); },
             {
                 [&](HWND w) { PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_BT_MEASURE, BN_CLICKED), 0); },
                 [&](HWND wizard) { Click(wizard, IDC_BT_START); },
                 [&](HWND wizard) {
                   const DWORD until = GetTickCount() + 10000;
                   while (keyboard->KeysDown().empty() && GetTickCount() < until) Sleep(1);
                   EXPECT_FALSE(keyboard->KeysDown().empty()) << "a tap under way";
                   Click(wizard, IDCANCEL);
                 },
                 [&](HWND w) {
                   EXPECT_TRUE(keyboard->KeysDown().empty());
                   EXPECT_EQ(TextOf(w, IDC_SPIN_STEP_HOLD), u"80");
                   Click(w, IDCANCEL);
                 },
             });
  EXPECT_EQ(ProfileAxes[0].StepHold, 80);
}

INSTANTIATE_TEST_SUITE_P(Languages, LeverWindows, ::testing::Values(u"default.lng", u"ru.lng"));

}  // namespace
}  // namespace qv::test
