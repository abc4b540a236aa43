#include "ui/win32/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

namespace qv::ui {

NotifyIconProc TrayNotify = Shell_NotifyIconW;

TTrayIcon::TTrayIcon(HWND owner, HICON icon) {
  // The real size: a 64-bit shell refuses the smaller records of older systems.
  data_.cbSize = sizeof(NOTIFYICONDATAW);
  data_.hWnd = owner;
  data_.uID = TrayIconId;
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = TrayCallbackMessage;
  data_.hIcon = icon;
}

void TTrayIcon::SetTip(const std::u16string& tip) {
  // The tip of this record version holds 63 characters and the terminator.
  const size_t n = std::min<size_t>(tip.size(), 63);
  std::copy_n(tip.begin(), n, data_.szTip);
  data_.szTip[n] = L'\0';
}

bool TTrayIcon::Add(const std::u16string& tip) {
  SetTip(tip);
  return TrayNotify(NIM_ADD, &data_) != FALSE;
}

void TTrayIcon::Modify(const std::u16string& tip) {
  SetTip(tip);
  TrayNotify(NIM_MODIFY, &data_);
}

void TTrayIcon::Delete() { TrayNotify(NIM_DELETE, &data_); }

}  // namespace qv::ui
