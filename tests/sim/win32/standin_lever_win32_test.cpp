// The stand-in simulator with two levers of its own, driven by real key
// presses through SendInput: its log shows each lever's moves, as the hold of
// each press decides them, between the key lines that are read as before.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "sim/KeyLog.h"
#include "tests/TempFolder.h"
#include "tests/ui/win32/WindowPicture.h"
#include "tests/win32/Win32Process.h"

namespace qv::test {
namespace {

INPUT Key(WORD vk, WORD scan, bool up, DWORD time) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  input.ki.time = time;
  return input;
}

class StandInLeverTest : public ::testing::Test {
 protected:
  // Every record carries its own time stamp, so the hold the stand-in sees is
  // exactly the one chosen, however busy the machine is.
  void Press(WORD vk, WORD scan, DWORD holdMs, bool shift = false) {
    std::vector<INPUT> records;
    if (shift) records.push_back(Key(VK_LSHIFT, 0x2A, false, now_));
    records.push_back(Key(vk, scan, false, now_));
    records.push_back(Key(vk, scan, true, now_ + holdMs));
    if (shift) records.push_back(Key(VK_LSHIFT, 0x2A, true, now_ + holdMs));
    ASSERT_EQ(SendInput(UINT(records.size()), records.data(), sizeof(INPUT)), records.size());
    expectedKeys_ += records.size();
    lastUp_ = now_ + holdMs;
    now_ += holdMs + 500;
  }
  void Moves(const char* lever, int from, int to) { expected_.push_back({lastUp_, lever, from, to}); }

  TempFolder folder;
  std::vector<sim::TLeverLogEntry> expected_;
  size_t expectedKeys_ = 0;
  DWORD now_ = GetTickCount();
  DWORD lastUp_ = 0;
};

TEST_F(StandInLeverTest, LeversFollowTheHoldOfEachPress) {
  // The keypad's 8 as the program names it, which is the layout's name:
  // "Num 8" on Windows, "KP_Up" under Wine.
  const std::wstring num8 = KeyNameOfScan(0x48);
  ASSERT_FALSE(num8.empty());
  const auto log = folder.path() / "keys.log";
  ChildProcess standIn(StandInCommand(log) + L" --lever Throttle:A:Z:6:100:2" +
                       L" --lever \"Brake lever:Shift+H:" + num8 + L":5:200:1:GATE=150@2\"");
  ASSERT_TRUE(standIn.Started());
  HWND window = WaitForWindow([] { return FindWindowW(nullptr, StandInTitle); });
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(BringToFront(window));

  Press('A', 0x1E, 99);  // just under one notch
  Press('A', 0x1E, 100);
  Moves("Throttle", 2, 3);
  Press('A', 0x1E, 299);
  Moves("Throttle", 3, 5);
  Press('A', 0x1E, 400);  // at the top already
  Press('Z', 0x2C, 199);
  Moves("Throttle", 5, 4);
  Press('H', 0x23, 200, true);
  Moves("Brake lever", 1, 2);
  Press('H', 0x23, 349, true);  // the gate between 2 and 3 holds it
  Press('H', 0x23, 350, true);
  Moves("Brake lever", 2, 3);
  Press('H', 0x23, 500);  // H without Shift is no key of the brake's
  Press(VK_NUMPAD8, 0x48, 349);
  Press(VK_NUMPAD8, 0x48, 550);
  Moves("Brake lever", 3, 1);

  EXPECT_TRUE(WaitUntil([&] { return ReadKeyLog(log).size() >= expectedKeys_; }));
  EXPECT_EQ(ReadKeyLog(log).size(), expectedKeys_);
  EXPECT_EQ(ReadLeverLog(log), expected_);
  // Each move follows the key-up that made it.
  std::ifstream in(log);
  std::string line, previous;
  while (std::getline(in, line)) {
    if (sim::ParseLeverLogLine(line)) {
      const auto key = sim::ParseKeyLogLine(previous);
      ASSERT_TRUE(key.has_value()) << line;
      EXPECT_FALSE(key->Down) << line;
    }
    previous = line;
  }
  ASSERT_TRUE(BringToFront(window));
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
  Sleep(200);
  SaveWindowPicture(window, "standin-levers.png");
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(standIn.WaitExit(5000));
}

}  // namespace
}  // namespace qv::test
