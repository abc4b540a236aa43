#include "input/win32/OwnerWindow.h"

#include "base/win32/HiddenWindow.h"

namespace qv::input::win32 {

TOwnerWindow::TOwnerWindow()
    : handle_(qv::win32::CreateHiddenWindow(L"QuorvexJoystickOwner", DefWindowProcW, L"", nullptr)) {}

TOwnerWindow::~TOwnerWindow() {
  if (handle_ != nullptr) DestroyWindow(handle_);
}

}  // namespace qv::input::win32
