#include "ui/win32/f_Trap.h"

#include <exception>

#include "base/win32/HiddenWindow.h"
#include "lang/win32/ErrorBox.h"

namespace qv::ui::win32 {

TfmTrap::TfmTrap(TTrapHost& host, const std::u16string& title)
    : host_(host),
      handle_(qv::win32::CreateHiddenWindow(L"TfmTrap", Proc, reinterpret_cast<const wchar_t*>(title.c_str()),
                                            this)) {}

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
