#include "ui/dialogs/win32/f_AskKey.h"

#include <commctrl.h>

#include "base/Error.h"
#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs::win32 {
namespace {

constexpr UINT_PTR IdleTimer = 1;
// Timer messages come only when nothing else waits in the queue: an idle check.
constexpr UINT IdleMs = 20;

// The one window of the thread the hook serves.
TfmAskKey* hooked = nullptr;

bool IsKeyDown(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }
bool IsKeyUp(UINT message) { return message == WM_KEYUP || message == WM_SYSKEYUP; }
bool WasDown(LPARAM lParam) { return (lParam & (1 << 30)) != 0; }

// A toggle clicked takes no focus: it changes state on the button going
// down, as the stored layout's picture buttons do, and the focus stays where
// it was.
LRESULT CALLBACK ToggleProc(HWND toggle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    const bool down = SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED;
    SendMessageW(toggle, BM_SETCHECK, down ? BST_UNCHECKED : BST_CHECKED, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) RemoveWindowSubclass(toggle, &ToggleProc, 0);
  return DefSubclassProc(toggle, message, wParam, lParam);
}

}  // namespace

TfmAskKey::TfmAskKey() : TModalDialog(IDD_ASK_KEY, "fmAskKey", AskKeyTexts()) {}

TfmAskKey::~TfmAskKey() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (hooked == this) hooked = nullptr;
}

bool TfmAskKey::Execute(HWND owner, TKeyAction& action) {
  // Installed once and kept: a key taken at the last showing may still be
  // down, and its key-up must not reach the window in front.
  if (hook_ == nullptr) {
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, &MessageHook, nullptr, GetCurrentThreadId());
    if (hook_ == nullptr) throw Error(u"The key window cannot watch the keyboard.");
    hooked = this;
  }
  captured_.reset();
  heldKey_ = 0;
  waiting_ = true;
  bool confirmed = false;
  try {
    confirmed = Run(owner);
  } catch (...) {
    waiting_ = false;
    throw;
  }
  waiting_ = false;
  if (!confirmed || !captured_) return false;
  ApplyCapture(action, *captured_, toggles_);
  return true;
}

void TfmAskKey::OnInit() {
  for (int id = IDC_BT_SHIFT; id <= IDC_BT_RWIN; ++id) {
    CheckDlgButton(Handle(), id, BST_UNCHECKED);
    SetWindowSubclass(Item(id), &ToggleProc, 0, 0);
  }
  SetTimer(Handle(), IdleTimer, IdleMs, nullptr);
}

bool TfmAskKey::OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) {
  if (message != WM_TIMER || wParam != IdleTimer) return false;
  const auto key = IdleKey([](int32_t vkey) { return (GetAsyncKeyState(vkey) & 0x8000) != 0; });
  if (key) Take(*key);
  result = TRUE;
  return true;
}

void TfmAskKey::Take(const TCapturedKey& key) {
  if (captured_) return;  // the first key wins
  captured_ = key;
  heldKey_ = key.Vkey;
  toggles_ = 0;
  for (int bit = 0; bit < ModifierCount; ++bit) {
    if (IsDlgButtonChecked(Handle(), IDC_BT_SHIFT + bit) == BST_CHECKED) toggles_ |= TToggles(1u << bit);
  }
  KillTimer(Handle(), IdleTimer);
  EndDialog(Handle(), IDOK);
}

LRESULT CALLBACK TfmAskKey::MessageHook(int code, WPARAM wParam, LPARAM lParam) {
  // Only messages taken off the queue: a peek that leaves one there sees it again.
  if (code == HC_ACTION && wParam == PM_REMOVE && hooked != nullptr &&
      hooked->Filter(*reinterpret_cast<MSG*>(lParam)))
    reinterpret_cast<MSG*>(lParam)->message = WM_NULL;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool TfmAskKey::Filter(MSG& message) {
  HWND window = Handle();
  if (waiting_ && window != nullptr && !captured_ && IsKeyDown(message.message) &&
      (message.hwnd == window || IsChild(window, message.hwnd))) {
    // A key already down when the window opened (the Enter that pressed the
    // key button, auto-repeating) is no new press, and no dialog key either.
    if (!WasDown(message.lParam)) Take(KeyOfMessage(message.wParam, message.lParam));
    return true;
  }
  // Every key-down of the key taken is its auto-repeat until its key-up: a
  // new press needs a key-up first, and not every system marks the repeats.
  if (heldKey_ == 0 || int32_t(message.wParam) != heldKey_) return false;
  if (IsKeyUp(message.message)) heldKey_ = 0;
  return IsKeyDown(message.message) || IsKeyUp(message.message);
}

}  // namespace qv::ui::dialogs::win32
