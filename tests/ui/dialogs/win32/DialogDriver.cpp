#include "tests/ui/dialogs/win32/DialogDriver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cwctype>
#include <string_view>

#include "base/Utf.h"

namespace qv::test {
namespace {

constexpr UINT StepMs = 150;
// Ticks a window may stay open after the last step before the test gives up.
constexpr int PatienceTicks = 20;

struct TDrive {
  std::vector<TStep> steps;
  size_t next = 0;
  int idle = 0;
  bool inStep = false;
};
TDrive* drive = nullptr;

void CALLBACK DriveTick(HWND, UINT, UINT_PTR, DWORD) {
  if (drive == nullptr || drive->inStep) return;
  HWND front = FrontDialog();
  if (front == nullptr) return;
  if (drive->next < drive->steps.size()) {
    // A step may run a modal loop of its own (a message box), which ticks too.
    drive->inStep = true;
    drive->steps[drive->next++](front);
    drive->inStep = false;
  } else if (++drive->idle > PatienceTicks) {
    ADD_FAILURE() << "the steps left a window open";
    PostMessageW(front, WM_COMMAND, IDCANCEL, 0);
  }
}

}  // namespace

void Click(HWND window, int id) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
}

void Pick(HWND window, int id, int index) {
  HWND combo = GetDlgItem(window, id);
  SendMessageW(combo, CB_SETCURSEL, WPARAM(index), 0);
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), LPARAM(combo));
}

void ChooseTab(HWND window, int id, int page) {
  HWND tabs = GetDlgItem(window, id);
  SendMessageW(tabs, TCM_SETCURSEL, WPARAM(page), 0);
  NMHDR header{tabs, UINT_PTR(id), UINT(TCN_SELCHANGE)};
  SendMessageW(window, WM_NOTIFY, WPARAM(id), LPARAM(&header));
}

void Type(HWND window, int id, const std::u16string& text) {
  SetDlgItemTextW(window, id, reinterpret_cast<const wchar_t*>(text.c_str()));
}

std::u16string TextOf(HWND control) {
  wchar_t text[512] = {};
  GetWindowTextW(control, text, 512);
  return reinterpret_cast<const char16_t*>(text);
}

std::u16string TextOf(HWND window, int id) { return TextOf(GetDlgItem(window, id)); }

std::vector<std::u16string> ItemsOf(HWND window, int comboId) {
  HWND combo = GetDlgItem(window, comboId);
  std::vector<std::u16string> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[512] = {};
    if (SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(i), 0) < 512)
      SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(text));
    items.push_back(reinterpret_cast<const char16_t*>(text));
  }
  return items;
}

namespace {

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  const bool extended = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
                        key == VK_RCONTROL || key == VK_RMENU;
  input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

// A component name as a template carries it: a kind prefix, then a capital.
bool LooksLikeAComponentName(const std::u16string& text) {
  for (std::u16string_view prefix : {u"fm", u"lb", u"bt", u"grp", u"spin", u"ed", u"combo", u"chk", u"tab"}) {
    if (text.size() > prefix.size() && text.starts_with(prefix) && std::iswupper(wint_t(text[prefix.size()])))
      return true;
  }
  return false;
}

}  // namespace

void KeyDown(WORD key) {
  INPUT input = KeyInput(key, false);
  SendInput(1, &input, sizeof(INPUT));
}

void KeyUp(WORD key) {
  INPUT input = KeyInput(key, true);
  SendInput(1, &input, sizeof(INPUT));
}

std::vector<std::string> UntranslatedControls(HWND window) {
  std::vector<std::string> names;
  if (LooksLikeAComponentName(TextOf(window))) names.push_back(ToUtf8(TextOf(window)));
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (LooksLikeAComponentName(TextOf(child))) names.push_back(ToUtf8(TextOf(child)));
  }
  return names;
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    inputs.push_back(KeyInput(key, false));
    inputs.push_back(KeyInput(key, true));
  }
  SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
}

HWND FrontDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (std::wstring_view(name) == L"#32770" && IsWindowVisible(window) && IsWindowEnabled(window)) {
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&found));
  return found;
}

// A message box's text is the static with id 0xFFFF.
bool IsMessageBox(HWND window) { return GetDlgItem(window, 0xFFFF) != nullptr; }
std::u16string MessageBoxText(HWND box) { return TextOf(box, 0xFFFF); }

void DriveModal(const std::function<void()>& open, std::vector<TStep> steps) {
  TDrive state{std::move(steps)};
  drive = &state;
  const UINT_PTR timer = SetTimer(nullptr, 0, StepMs, &DriveTick);
  open();
  KillTimer(nullptr, timer);
  drive = nullptr;
  EXPECT_EQ(state.next, state.steps.size()) << "the window closed before every step ran";
}

}  // namespace qv::test
