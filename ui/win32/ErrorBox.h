#pragma once
// The one box every error of the window side ends in: no exception may
// unwind through a window procedure, so each one catches and comes here.
#include <windows.h>

#include <exception>

namespace qv::ui {

// Call only inside a catch block; never throws. The box is owned by owner.
void ShowCurrentError(HWND owner) noexcept;
// The box for error, owned by the main window.
void ReportError(const std::exception_ptr& error) noexcept;

}  // namespace qv::ui
