#pragma once
// The one error box of the program: error icon, brought to the foreground,
// owned by the application's window once start-up has published it.
#include <windows.h>

#include <exception>

#include "lang/ErrorReport.h"

namespace qv::lang::win32 {

// MB_ICONERROR | MB_SETFOREGROUND.
constexpr UINT ErrorBoxFlags = 0x10010;

// The owner of every message box from now on; null before the application's
// window exists (the boxes of the hand-off have no owner).
void SetMessageBoxOwner(HWND owner);
HWND MessageBoxOwner();

void ShowErrorBox(const TErrorBox& box, HWND owner = MessageBoxOwner());
// The box for an error caught after the language file was loaded.
void ShowError(const std::exception_ptr& error);

}  // namespace qv::lang::win32
