#include "ui/win32/f_Trap.h"

#include <exception>

#include "lang/win32/ErrorBox.h"

namespace qv::ui::win32 {
namespace {

constexpr wchar_t ClassName[] = L"TfmTrap";

ATOM RegisterOnce(HINSTANCE instance, WNDPROC proc) {
  static const ATOM atom = [instance, proc] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.lpszClassName = ClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

}  // namespace

TfmTrap::TfmTrap(TTrapHost& host, const std::u16string& title) : host_(host) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (RegisterOnce(instance, Proc) == 0) return;
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, reinterpret_cast<const wchar_t*>(title.c_str()),
                            WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
}

TfmTrap::~TfmTrap() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

LRESULT CALLBACK TfmTrap::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TfmTrap*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self != nullptr &&
      (message == MsgPresenceQuery || message == MsgMainWindowQuery || message == WM_COPYDATA)) {
    try {
      return self->Answer(message, lParam);
    } catch (...) {
      // A profile that does not load is the user's to hear about; the sender
      // only waits.
      lang::win32::ShowError(std::current_exception());
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT TfmTrap::Answer(UINT message, LPARAM lParam) {
  switch (message) {
    case MsgPresenceQuery:
      return static_cast<LRESULT>(PresenceReply);
    case MsgMainWindowQuery:
      return static_cast<LRESULT>(AnswerMainWindowQuery(host_));
    default: {
      const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      if (copy != nullptr) ReceiveHandOff(host_, copy->lpData, copy->cbData);
      return 0;
    }
  }
}

}  // namespace qv::ui::win32
