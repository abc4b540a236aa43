// The stand-in simulator receives keys sent by another process through the
// real SendInput, and logs each one as the simulator would receive it.
#include <gtest/gtest.h>

#include <vector>

#include "engine/KeyOutput.h"
#include "engine/Profile.h"
#include "engine/win32/WinSeams.h"
#include "tests/TempFolder.h"
#include "tests/Win32Process.h"

namespace qv::test {
namespace {

TEST(StandInTest, LogsEveryKeyItReceivesInOrder) {
  TempFolder folder;
  const auto log = folder.path() / "keys.log";
  ChildProcess standIn(StandInCommand(log));
  ASSERT_TRUE(standIn.Started());
  HWND window = WaitForWindow([] { return FindWindowW(nullptr, StandInTitle); });
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));

  win32::SendInputKeyboard keyboard;
  win32::SystemKeyboardLayout layout;
  win32::SystemClock clock;
  InstallSeams(&keyboard, &layout, &clock);
  TKeyAction a;
  a.Vkey = 'A';
  a.Modifiers = modCtrl;
  Tap(a, 1);
  TKeyAction up;
  up.Vkey = VK_UP;
  up.ScanCode = 0x48;
  up.Extended = true;
  KeyEvent(up, false);
  KeyEvent(up, true);
  InstallSeams(nullptr, nullptr, nullptr);

  const std::vector<sim::TKeyLogEntry> expected{
      {0, true, VK_CONTROL, 0x1D, false},  {0, true, 'A', 0x1E, false},  {0, false, 'A', 0x1E, false},
      {0, false, VK_CONTROL, 0x1D, false}, {0, true, VK_UP, 0x48, true}, {0, false, VK_UP, 0x48, true},
  };
  std::vector<sim::TKeyLogEntry> keys;
  WaitUntil([&] { return (keys = ReadKeyLog(log)).size() >= expected.size(); });
  ASSERT_EQ(keys.size(), expected.size());
  for (size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) {
      EXPECT_GE(keys[i].Time, keys[i - 1].Time) << i;
    }
    keys[i].Time = 0;
  }
  EXPECT_EQ(keys, expected);
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(standIn.WaitExit(5000));
}

}  // namespace
}  // namespace qv::test
