#include "input/win32/OwnerWindow.h"

namespace qv::input::win32 {
namespace {

constexpr wchar_t ClassName[] = L"QuorvexJoystickOwner";

ATOM RegisterOnce(HINSTANCE instance) {
  static const ATOM atom = [instance] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = ClassName;
    return RegisterClassExW(&wc);
  }();
  return atom;
}

}  // namespace

TOwnerWindow::TOwnerWindow() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (RegisterOnce(instance) == 0) return;
  // A pop-up without a parent is top-level, which the cooperative level
  // needs; a message-only window would not do.
  handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            instance, nullptr);
}

TOwnerWindow::~TOwnerWindow() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

}  // namespace qv::input::win32
