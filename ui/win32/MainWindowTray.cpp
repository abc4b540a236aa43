// The main window's place on the screen and its life in the notification area.
#include "engine/PollThread.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/Wide.h"

namespace qv::ui {

void TfmMain::InitialLoadAndPlacement() {
  if (IsIconic(window_)) {
    ShowWindow(window_, SW_RESTORE);
    ShowWindow(window_, SW_HIDE);
  }
  commands_.InitialLoad();
  RECT window{}, list{}, work{};
  GetWindowRect(window_, &window);
  GetClientRect(list_, &list);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int rowHeight = int(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
  const TBounds placed =
      InitialPlacement({window.left, window.top, window.right, window.bottom}, list.bottom, tree_.RowCount(),
                       rowHeight, {work.left, work.top, work.right, work.bottom});
  SetWindowPos(window_, nullptr, placed.Left, placed.Top, placed.Width(), placed.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TfmMain::ShowAtStart(bool toTray, int showCommand) {
  if (toTray && HideToTray()) return;
  // The poll thread starts quiet, so no key goes into the window being shown.
  PauseRequest.store(true);
  Suspended.store(true);
  ShowWindow(window_, showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOW);
  UpdateWindow(window_);
}

bool TfmMain::HideToTray() {
  if (!tray_->Add(caption_)) return false;
  ShowWindow(window_, SW_HIDE);
  inTray_ = true;
  return true;
}

void TfmMain::RemoveTrayIcon(bool restore) {
  if (restore) {
    if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
  }
  if (inTray_) tray_->Delete();
  inTray_ = false;
}

bool TfmMain::BringUp() {
  if (!Running.load()) return false;
  RemoveTrayIcon(true);
  return true;
}

bool TfmMain::BringOpenWindowForward() {
  if (IsWindowEnabled(window_)) return false;
  if (inTray_) RemoveTrayIcon(true);
  SetForegroundWindow(GetLastActivePopup(window_));
  return true;
}

void TfmMain::TrayCallback(LPARAM mouse) {
  if ((mouse == WM_LBUTTONDBLCLK || mouse == WM_RBUTTONUP) && BringOpenWindowForward()) return;
  if (mouse == WM_LBUTTONDBLCLK) {
    RemoveTrayIcon(true);
  } else if (mouse == WM_RBUTTONUP) {
    POINT at{};
    GetCursorPos(&at);
    // Without these two steps the menu would not close when clicked away.
    SetForegroundWindow(window_);
    TrackPopupMenu(popup_, TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
  }
}

}  // namespace qv::ui
