#pragma once
// fmTrap: the hidden window through which a later start of the same program
// file finds this copy and hands it a profile. An ordinary top-level window,
// never shown (a message-only window cannot be found by its title), and not
// a translated form: its title is the protocol.
#include <windows.h>

#include <string>

#include "ui/HandOff.h"

namespace qv::ui::win32 {

class TfmTrap {
 public:
  TfmTrap(TTrapHost& host, const std::u16string& title);
  ~TfmTrap();
  TfmTrap(const TfmTrap&) = delete;
  TfmTrap& operator=(const TfmTrap&) = delete;
  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Answer(UINT message, LPARAM lParam);

  TTrapHost& host_;
  HWND handle_ = nullptr;
};

}  // namespace qv::ui::win32
