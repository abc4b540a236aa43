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
  capture_.Start();
  closing_ = false;
  waiting_ = true;
  bool confirmed = false;
  try {
    confirmed = Run(owner);
  } catch (...) {
    waiting_ = false;
    throw;
  }
  waiting_ = false;
  if (!confirmed || !capture_.Taken()) return false;
  ApplyCapture(action, *capture_.Taken(), toggles_ | capture_.Held());
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
  if (key) capture_.TakeIdle(*key);
  TakeIfDone();
  result = TRUE;
  return true;
}

void TfmAskKey::TakeIfDone() {
  if (!capture_.Taken() || closing_) return;
  closing_ = true;
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
  if (!IsKeyDown(message.message) && !IsKeyUp(message.message)) return false;
  HWND window = Handle();
  const bool toWindow =
      waiting_ && window != nullptr && (message.hwnd == window || IsChild(window, message.hwnd));
  const bool ours = capture_.Feed(KeyOfMessage(message.wParam, message.lParam), IsKeyDown(message.message),
                                  WasDown(message.lParam), toWindow);
  if (toWindow) TakeIfDone();
  return ours;
}

}  // namespace qv::ui::dialogs::win32
