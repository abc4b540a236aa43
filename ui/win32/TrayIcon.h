#pragma once
// The notification-area icon. Shell_NotifyIconW is reached through a
// replaceable pointer, so a test can make the shell refuse the icon.
#include <windows.h>

#include <string>

namespace qv::ui {

using NotifyIconProc = BOOL(WINAPI*)(DWORD message, PNOTIFYICONDATAW data);
extern NotifyIconProc TrayNotify;

constexpr UINT TrayIconId = 100;
constexpr UINT TrayCallbackMessage = WM_USER + 1;  // 1025

class TTrayIcon {
 public:
  TTrayIcon(HWND owner, HICON icon);
  TTrayIcon(const TTrayIcon&) = delete;
  TTrayIcon& operator=(const TTrayIcon&) = delete;

  // False when the shell refused the icon.
  bool Add(const std::u16string& tip);
  void Modify(const std::u16string& tip);
  void Delete();

 private:
  void SetTip(const std::u16string& tip);
  NOTIFYICONDATAW data_{};
};

}  // namespace qv::ui
