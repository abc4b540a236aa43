#pragma once
// The one box every error of the window side ends in: no exception may
// unwind through a window procedure, so each one catches and comes here.
#include <windows.h>

#include <string>

namespace qv::ui {

// The program's version, shown in the caption of every error box.
void SetErrorBoxVersion(std::u16string version);
// The text the box shows for the exception being handled.
std::u16string CurrentErrorText();
// Call only inside a catch block; never throws.
void ShowCurrentError(HWND owner) noexcept;

}  // namespace qv::ui
