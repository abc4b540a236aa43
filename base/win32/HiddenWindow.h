#pragma once
// A never-shown top-level window of the program's own. Without a parent a
// pop-up is top-level, which DirectInput's cooperative level wants and which
// lets another process find the window by class and title; a message-only
// window would do for neither.
#include <windows.h>

namespace qv::win32 {

// Registers className on first use; nullptr when the class or window
// cannot be made. param reaches proc in WM_NCCREATE's CREATESTRUCTW.
HWND CreateHiddenWindow(const wchar_t* className, WNDPROC proc, const wchar_t* title, void* param);

}  // namespace qv::win32
