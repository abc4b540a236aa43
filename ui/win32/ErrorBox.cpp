#include "ui/win32/ErrorBox.h"

#include <exception>

#include "lang/win32/ErrorBox.h"

namespace qv::ui {

void ShowCurrentError(HWND owner) noexcept {
  try {
    lang::win32::ShowErrorBox(lang::ErrorBoxFor(std::current_exception()), owner);
  } catch (...) {
    // Out of memory while reporting: nothing more can be shown.
  }
}

void ReportError(const std::exception_ptr& error) noexcept { lang::win32::ShowError(error); }

}  // namespace qv::ui
