#include "lang/win32/ErrorBox.h"

#include <atomic>

namespace qv::lang::win32 {
namespace {

std::atomic<HWND> owner{nullptr};

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

void SetMessageBoxOwner(HWND window) { owner.store(window, std::memory_order_relaxed); }
HWND MessageBoxOwner() { return owner.load(std::memory_order_relaxed); }

void ShowErrorBox(const TErrorBox& box, HWND owner) {
  MessageBoxW(owner, Wide(box.Text), Wide(box.Caption), ErrorBoxFlags);
}

void ShowError(const std::exception_ptr& error) {
  try {
    ShowErrorBox(ErrorBoxFor(error));
  } catch (...) {
    // Out of memory while reporting: nothing sensible is left to show.
  }
}

}  // namespace qv::lang::win32
