// Keys sent through the real SendInput reach a foreground window as the
// messages a keyboard would produce, with virtual key, scan code and
// extended bit intact.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "engine/KeyOutput.h"
#include "engine/Profile.h"
#include "engine/win32/WinSeams.h"

namespace qv::test {
namespace {

struct TMessage {
  UINT Msg;
  WPARAM Vk;
  UINT Scan;
  bool Extended;
  bool operator==(const TMessage&) const = default;
};

std::vector<TMessage>* received = nullptr;

LRESULT CALLBACK KeyWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP) {
    const auto bits = static_cast<uint32_t>(lParam);
    if (received != nullptr)
      received->push_back({msg, wParam, (bits >> 16) & 0xFFu, (bits & (1u << 24)) != 0});
    return 0;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

// One window for the whole suite: under Wine without a window manager,
// creating and activating a window costs seconds.
class SendInputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WNDCLASSW wc{};
    wc.lpfnWndProc = KeyWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QvKeyTarget";
    RegisterClassW(&wc);
    window = CreateWindowExW(0, L"QvKeyTarget", L"keys", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, wc.hInstance, nullptr);
    // Without a window manager the new window is not activated by itself.
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    SetFocus(window);
  }
  static void TearDownTestSuite() { DestroyWindow(window); }

  void SetUp() override {
    ASSERT_NE(window, nullptr);
    received = &messages;
    Pump();
    messages.clear();
    InstallSeams(&keyboard, &layout, &clock);
  }
  void TearDown() override {
    InstallSeams(nullptr, nullptr, nullptr);
    received = nullptr;
  }
  static void Pump() {
    const DWORD end = GetTickCount() + 200;
    MSG msg;
    while (GetTickCount() < end) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      Sleep(5);
    }
  }

  static inline HWND window = nullptr;
  std::vector<TMessage> messages;
  win32::SendInputKeyboard keyboard;
  win32::SystemKeyboardLayout layout;
  win32::SystemClock clock;
};

TEST_F(SendInputTest, TapOfCtrlAArrivesInOrder) {
  ASSERT_EQ(GetForegroundWindow(), window);
  TKeyAction a;
  a.Vkey = 'A';
  a.Modifiers = modCtrl;
  Tap(a, 1);
  Pump();
  const std::vector<TMessage> expected{
      {WM_KEYDOWN, VK_CONTROL, 0x1D, false},
      {WM_KEYDOWN, 'A', 0x1E, false},
      {WM_KEYUP, 'A', 0x1E, false},
      {WM_KEYUP, VK_CONTROL, 0x1D, false},
  };
  EXPECT_EQ(messages, expected);
}

TEST_F(SendInputTest, ScanCodeAndExtendedBitArriveAsSent) {
  TKeyAction up;
  up.Vkey = VK_UP;
  up.ScanCode = 0x48;
  up.Extended = true;
  KeyEvent(up, false);
  KeyEvent(up, true);
  Pump();
  const std::vector<TMessage> expected{
      {WM_KEYDOWN, VK_UP, 0x48, true},
      {WM_KEYUP, VK_UP, 0x48, true},
  };
  EXPECT_EQ(messages, expected);
}

TEST_F(SendInputTest, AltGivesSystemKeyMessages) {
  TKeyAction f;
  f.Vkey = 'F';
  f.Modifiers = modAlt;
  Tap(f, 1);
  Pump();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0], (TMessage{WM_SYSKEYDOWN, VK_MENU, 0x38, false}));
  EXPECT_EQ(messages[1], (TMessage{WM_SYSKEYDOWN, 'F', 0x21, false}));
  EXPECT_EQ(messages[3].Vk, static_cast<WPARAM>(VK_MENU));
}

TEST_F(SendInputTest, LayoutGivesScanCodesAndNames) {
  EXPECT_EQ(layout.ScanCodeOf('A'), 0x1E);
  EXPECT_FALSE(layout.KeyName(0x1E << 16).empty());
}

}  // namespace
}  // namespace qv::test
