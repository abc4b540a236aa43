#include "base/win32/HiddenWindow.h"

namespace qv::win32 {

HWND CreateHiddenWindow(const wchar_t* className, WNDPROC proc, const wchar_t* title, void* param) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.lpszClassName = className;
  if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  return CreateWindowExW(WS_EX_TOOLWINDOW, className, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                         param);
}

}  // namespace qv::win32
