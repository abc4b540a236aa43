// The measuring wizard against a real simulator: the stand-in with a lever
// that needs 115 ms of hold a notch, brought to the front during the
// countdown as a user brings it, real keys through SendInput, and the user's
// answer a button of the virtual controller pressed as soon as the stand-in
// shows its lever moved. The wizard stores the hold the stand-in really saw
// move the lever; every tap of the pass is undone and no key stays down.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/win32/WinSeams.h"
#include "tests/TempFolder.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "tests/win32/Win32Process.h"
#include "ui/dialogs/StepMeasure.h"
#include "ui/dialogs/resource.h"

namespace qv::test {
namespace {

using ui::dialogs::TStepMeasure;

constexpr int32_t NotchHoldMs = 115;
constexpr int32_t StartNotch = 2;
constexpr uint16_t UpVk = 'A';
constexpr uint16_t DownVk = 'Z';

// One press of a key as the stand-in stamped its messages.
struct TPress {
  uint32_t Down = 0;
  uint32_t Up = 0;
  int32_t Hold() const { return int32_t(Up - Down); }
};

// The presses of vk in the order they came; a press still open at the end
// is one with Up == Down == its key-down's time, and counted in KeysLeftDown.
std::vector<TPress> Presses(const std::vector<sim::TKeyLogEntry>& keys, uint16_t vk) {
  std::vector<TPress> presses;
  bool down = false;
  for (const sim::TKeyLogEntry& key : keys) {
    if (key.Vk != vk) continue;
    if (key.Down && !down) presses.push_back({key.Time, key.Time});
    if (!key.Down && down) presses.back().Up = key.Time;
    down = key.Down;
  }
  return presses;
}

// The keys whose last message at the stand-in was a key-down.
std::vector<uint16_t> KeysLeftDown(const std::vector<sim::TKeyLogEntry>& keys) {
  std::vector<uint16_t> down;
  for (const sim::TKeyLogEntry& key : keys) {
    std::erase(down, key.Vk);
    if (key.Down) down.push_back(key.Vk);
  }
  return down;
}

int32_t RoundedUpToStep(int32_t ms) {
  return (ms + TStepMeasure::HoldStepMs - 1) / TStepMeasure::HoldStepMs * TStepMeasure::HoldStepMs;
}

// The wizard sends through the real keyboard here: the stand-in is another
// process, and the holds it sees are the point.
class MeasureAgainstStandIn : public MainWindowTest {
 protected:
  void SetUp() override {
    recording_ = Seams().Keyboard;
    InstallSeams(&keyboard_, Seams().Layout, Seams().Time);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    InstallSeams(recording_, Seams().Layout, Seams().Time);
  }

  win32::SendInputKeyboard keyboard_;
  KeyboardOutput* recording_ = nullptr;
  TempFolder folder_;
};

TEST_F(MeasureAgainstStandIn, StoresTheHoldThatMovedTheLeverAndLeavesItWhereItStood) {
  const auto log = folder_.path() / "keys.log";
  ChildProcess standIn(StandInCommand(log) + L" --lever Throttle:A:Z:5:" + std::to_wstring(NotchHoldMs) +
                       L":" + std::to_wstring(StartNotch));
  ASSERT_TRUE(standIn.Started());
  HWND simulator = WaitForWindow([] { return FindWindowW(nullptr, StandInTitle); });
  ASSERT_NE(simulator, nullptr);
  // The user is in the program, at the lever's window.
  ASSERT_TRUE(BringToFront(main->Handle()));
  ProfileAxes[0].Up = {.ScanCode = 0x1E, .Vkey = UpVk};
  ProfileAxes[0].Down = {.ScanCode = 0x2C, .Vkey = DownVk};

  std::u16string found;
  DriveModal(
      [&] { OpenRow(ui::TRowCommand::AxisSettings, 0); },
      {
          [&](HWND w) { PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_BT_MEASURE, BN_CLICKED), 0); },
          [&](HWND wizard) {
            Click(wizard, IDC_BT_START);
            const DWORD started = GetTickCount();
            ASSERT_TRUE(BringToFront(simulator));
            ASSERT_LT(GetTickCount() - started, TStepMeasure::CountdownMs) << "in front before the first tap";
            // The user watches the simulator's lever and answers when it moves.
            ASSERT_TRUE(WaitUntil([&] { return !ReadLeverLog(log).empty(); }, 50000)) << "no tap moved it";
            Set(sim::TControlKind::Button, 0, 128);
            // The wizard undoes that tap and waits for the user's choice.
            ASSERT_TRUE(
                WaitUntil([&] { return IsWindowEnabled(GetDlgItem(wizard, IDC_BT_USE)) != FALSE; }, 5000));
            Set(sim::TControlKind::Button, 0, 0);
          },
          [&](HWND wizard) {
            // Back in the program to take the answer: nothing is running to cancel.
            ASSERT_TRUE(BringToFront(wizard));
            found = TextOf(wizard, IDC_LB_STATUS);
            Click(wizard, IDC_BT_USE);
          },
          [&](HWND w) {
            EXPECT_EQ(TextOf(w, IDC_SPIN_STEP_GAP), TextOf(w, IDC_SPIN_STEP_HOLD));
            Click(w, IDOK);
          },
      });
  EXPECT_TRUE(Running.load());

  const std::vector<sim::TKeyLogEntry> keys = ReadKeyLog(log);
  const std::vector<TPress> ups = Presses(keys, UpVk);
  const std::vector<TPress> downs = Presses(keys, DownVk);
  std::string holds;
  for (size_t i = 0; i < ups.size(); ++i)
    holds += std::to_string(ups[i].Hold()) + "/" +
             (i < downs.size() ? std::to_string(downs[i].Hold()) : "-") + " ";
  SCOPED_TRACE("up/down holds at the stand-in: " + holds + "; " + ToUtf8(found));
  RecordProperty("holds", holds);

  ASSERT_FALSE(ups.empty());
  const int32_t hold = ProfileAxes[0].StepHold;
  EXPECT_TRUE(hold == NotchHoldMs || hold == NotchHoldMs + TStepMeasure::HoldStepMs) << hold;
  EXPECT_EQ(ProfileAxes[0].StepGap, hold);
  // The answer is the hold the stand-in saw on the tap that moved its lever,
  // the last one sent: none went out after the answer.
  EXPECT_EQ(hold, RoundedUpToStep(ups.back().Hold()));
  EXPECT_GE(ups.back().Hold(), NotchHoldMs);
  // Taps timed to the millisecond: the one meant to last 115 ms moved the
  // lever, not a shorter one that ran late.
  EXPECT_EQ(ups.size(), size_t((NotchHoldMs - TStepMeasure::FirstHoldMs) / TStepMeasure::HoldStepMs + 1));
  EXPECT_EQ(ups.front().Hold() / TStepMeasure::HoldStepMs,
            TStepMeasure::FirstHoldMs / TStepMeasure::HoldStepMs)
      << "the first tap reached the stand-in";
  // Each tap undone by a press of Down at least as long: the one that moved
  // the lever up moved it back, and the lever stands where it started.
  ASSERT_EQ(downs.size(), ups.size());
  for (size_t i = 0; i < ups.size(); ++i) EXPECT_GE(downs[i].Hold(), ups[i].Hold()) << "tap " << i + 1;
  const std::vector<sim::TLeverLogEntry> expected{
      {ups.back().Up, "Throttle", StartNotch, StartNotch + 1},
      {downs.back().Up, "Throttle", StartNotch + 1, StartNotch},
  };
  EXPECT_EQ(ReadLeverLog(log), expected);
  EXPECT_EQ(KeysLeftDown(keys), std::vector<uint16_t>{});
  EXPECT_EQ(GetAsyncKeyState(UpVk) & 0x8000, 0);
  EXPECT_EQ(GetAsyncKeyState(DownVk) & 0x8000, 0);

  PostMessageW(simulator, WM_CLOSE, 0, 0);
  EXPECT_TRUE(standIn.WaitExit(5000));
}

}  // namespace
}  // namespace qv::test
