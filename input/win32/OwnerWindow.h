#pragma once
// A hidden top-level window of our own, for the platform calls that want one
// (DirectInput's cooperative level). Created and destroyed on the calling
// thread; never shown.
#include <windows.h>

namespace qv::input::win32 {

class TOwnerWindow {
 public:
  TOwnerWindow();
  ~TOwnerWindow();
  TOwnerWindow(const TOwnerWindow&) = delete;
  TOwnerWindow& operator=(const TOwnerWindow&) = delete;
  HWND Handle() const { return handle_; }

 private:
  HWND handle_ = nullptr;
};

}  // namespace qv::input::win32
