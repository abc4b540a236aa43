// The main window under Wine: its rows, live lever display, profile
// commands through the real boxes and dialogs, Enter in the list, the tray
// and the start-up placement.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "base/Utf.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "tests/TempFolder.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/Captions.h"
#include "ui/win32/TrayIcon.h"

namespace qv::test {
namespace {

using ui::TAxisDirectNode;
using ui::TVisAxis;

TEST_F(MainWindowTest, RowsMatchTheDeviceAndTheLeverShowsLive) {
  // Joystick, 3 headings, 3 levers each with its position folder, a hat
  // with its folder, 12 buttons.
  EXPECT_EQ(main->Tree().RowCount(), 1 + 3 + 3 + 3 + 2 + 12);
  EXPECT_EQ(SendMessageW(main->List(), LB_GETCOUNT, 0, 0), main->Tree().RowCount());
  EXPECT_EQ(RowText(0), "LIST_BTN1|Quorvex Virtual Train Controller|");
  EXPECT_EQ(RowText(1), "LIST_FOLDER|Axes|");
  EXPECT_EQ(RowText(2), "LIST_AXIS|Position |1/6|  Throttle [0]|");
  EXPECT_EQ(Caption(), u"Quorvex");
  EXPECT_TRUE(main->Painter().IconsLoaded());
  for (size_t i = 0; i < size_t(ui::TIcon::Count); ++i) {
    const SIZE size = main->Painter().IconSize(ui::TIcon(i));
    EXPECT_EQ(size.cx, ui::IconInfo(ui::TIcon(i)).Width) << ui::IconInfo(ui::TIcon(i)).Resource;
    EXPECT_EQ(size.cy, ui::IconInfo(ui::TIcon(i)).Height) << ui::IconInfo(ui::TIcon(i)).Resource;
  }

  Set(sim::TControlKind::Axis, 0, 39000);
  Pump(3000, [&] { return RowText(2).find("|4/6|") != std::string::npos; });
  EXPECT_EQ(RowText(2), "LIST_AXIS|Position |4/6|  Throttle [0]|");
  // The poll thread asked for the paint; the painter has drawn the row.
  Pump(200);
  EXPECT_GT(main->Painter().BitmapSize().cx, 0);
  Set(sim::TControlKind::Axis, 0, 1000);
}

TEST_F(MainWindowTest, CtrlSOnAnUnnamedProfileOpensTheSaveDialogAndCancelKeepsItModified) {
  MarkModified();
  EXPECT_EQ(Caption(), u"Quorvex [*]");
  AnswerDialogs(IDCANCEL);
  // Ctrl held in the thread's key state, S arriving at the list.
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageW(main->List(), WM_KEYDOWN, 'S', 0);
  Pump(300);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  ASSERT_EQ(answered.size(), 1u);
  EXPECT_EQ(Caption(), u"Quorvex [*]");
  EXPECT_TRUE(ProfileModified());
  EXPECT_TRUE(Running.load());
}

TEST_F(MainWindowTest, SaveAsThenLoadThroughTheFileDialogsBringsTheProfileBack) {
  Close();
  Open(u"default.lng", SW_SHOWNORMAL, ExampleProfile());
  ASSERT_EQ(ProfileAxes[1].InitialPos, 4);
  TempFolder folder;
  const std::u16string file = folder.File(u"round trip.qvprof");
  AnswerDialogs(IDOK, file);
  main->Execute(ui::TActionId::SaveAs);
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "round trip.qvprof"));
  EXPECT_EQ(Caption(), u"Quorvex - round trip.qvprof");

  main->Execute(ui::TActionId::New);  // saved, so nothing to ask
  EXPECT_EQ(ProfileAxes[1].InitialPos, 0);
  main->Execute(ui::TActionId::Load);
  EXPECT_EQ(answered.size(), 2u);  // the two file dialogs
  EXPECT_EQ(ProfileAxes[1].InitialPos, 4);
  EXPECT_EQ(ProfileFileName, file);
  EXPECT_EQ(Caption(), u"Quorvex - round trip.qvprof");
  EXPECT_TRUE(Running.load());
}

TEST_F(MainWindowTest, AMissingOrBrokenLastFileStartsUnnamedWithoutABox) {
  TempFolder folder;
  std::ofstream(folder.path() / "broken.qvprof") << "{ MULTILEVEL\n  { AXES\n";
  for (const std::u16string& last : {folder.File(u"missing.qvprof"), folder.File(u"broken.qvprof")}) {
    SCOPED_TRACE(ToUtf8(last));
    Close();
    AnswerDialogs(IDOK);
    Open(u"default.lng", SW_SHOWNORMAL, last);
    EXPECT_TRUE(answered.empty());
    EXPECT_EQ(Caption(), u"Quorvex");
    EXPECT_FALSE(ProfileModified());
    EXPECT_TRUE(Running.load());
  }
}

TEST_F(MainWindowTest, NewAnsweredCancelChangesNothingAndNoEmptiesTheProfile) {
  ProfileButtons[0].ParkPos = ppPress;
  MarkModified();
  AnswerDialogs(IDCANCEL);
  main->Execute(ui::TActionId::New);
  EXPECT_EQ(answered, std::vector<std::string>{"Quorvex"});
  EXPECT_EQ(ProfileButtons[0].ParkPos, ppPress);
  EXPECT_EQ(Caption(), u"Quorvex [*]");
  EXPECT_TRUE(Running.load());

  AnswerDialogs(IDNO);
  main->Execute(ui::TActionId::New);
  EXPECT_EQ(ProfileButtons[0].ParkPos, ppNone);
  EXPECT_EQ(Caption(), u"Quorvex");
  EXPECT_TRUE(Running.load());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesAndCancelKeepsTheWindow) {
  MarkModified();
  AnswerDialogs(IDCANCEL);
  SendMessageW(main->Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(answered.size(), 1u);
  EXPECT_TRUE(IsWindow(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_TRUE(Running.load());
}

// The Profile menu ends with Exit, which closes as the close box does:
// unsaved changes are asked about first.
TEST_F(MainWindowTest, TheProfileMenuEndsWithExitWhichAsksAboutUnsavedChanges) {
  HMENU profile = GetSubMenu(GetMenu(main->Handle()), 0);
  const int last = GetMenuItemCount(profile) - 1;
  wchar_t text[64] = {};
  GetMenuStringW(profile, UINT(last), text, 64, MF_BYPOSITION);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(text)), u"E&xit");
  MarkModified();
  AnswerDialogs(IDCANCEL);
  SendMessageW(main->Handle(), WM_COMMAND, WPARAM(GetMenuItemID(profile, last)), 0);
  EXPECT_EQ(answered.size(), 1u);
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
}

// The mouse resting on a row's icon shows what the icon means; on the row's
// text, nothing.
TEST_F(MainWindowTest, ARowIconSaysWhatItMeansUnderTheMouse) {
  HWND list = main->List();
  HWND tips = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      LPARAM(&tips));
  ASSERT_NE(tips, nullptr);
  EXPECT_EQ(GetWindow(tips, GW_OWNER), main->Handle());
  RECT line{};
  SendMessageW(list, LB_GETITEMRECT, 0, LPARAM(&line));  // the joystick, read: the green mark
  const auto textAt = [&](int x) {
    POINT point{line.left + x, (line.top + line.bottom) / 2};
    ClientToScreen(list, &point);
    SetCursorPos(point.x, point.y);
    // Under Wine the display's answer to an earlier move may still bring the
    // pointer back: wait until it stands where it was put.
    Pump(1000, [&] {
      POINT at{};
      return GetCursorPos(&at) && at.x == point.x && at.y == point.y;
    });
    NMTTDISPINFOW info{};
    info.hdr = {tips, UINT_PTR(list), UINT(TTN_GETDISPINFOW)};
    SendMessageW(main->Handle(), WM_NOTIFY, 0, LPARAM(&info));
    return info.lpszText != nullptr ? std::u16string(reinterpret_cast<const char16_t*>(info.lpszText))
                                    : std::u16string();
  };
  // The mark shows once the poll thread has read the controller: ask until
  // it says so.
  const std::u16string active =
      u"Active: the lever stands in this position, the button is pressed, the controller is read.";
  std::u16string text;
  Pump(2000, [&] { return (text = textAt(8)) == active; });
  EXPECT_EQ(text, active);
  EXPECT_EQ(textAt(line.right - line.left - 10), u"") << "the name is no icon";
}

TEST_F(MainWindowTest, EnterInTheListOpensAndClosesAFolder) {
  const int32_t row = RowOf([](const TTreeItem* item) { return dynamic_cast<const TAxisDirectNode*>(item); });
  ASSERT_GE(row, 0);
  main->Tree().SelectRow(row);
  auto* folder = static_cast<TAxisDirectNode*>(main->Tree().Row(row).Item);
  EXPECT_FALSE(folder->Expanded());
  SendMessageW(main->List(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(folder->Expanded());
  EXPECT_EQ(main->Tree().SelectedRow(), row);
  SendMessageW(main->List(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(folder->Expanded());
}

struct NotifyLog {
  static inline std::vector<DWORD> calls;
  static inline NOTIFYICONDATAW last{};
  static inline BOOL accept = TRUE;
  static BOOL WINAPI Record(DWORD message, PNOTIFYICONDATAW data) {
    calls.push_back(message);
    last = *data;
    return accept;
  }
};

TEST_F(MainWindowTest, TrayHidesRestoresAndComesBackWhenTheTaskbarDoes) {
  // The test runs on a Wine desktop, whose taskbar takes the real icon.
  ASSERT_TRUE(main->HideToTray());
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  main->RemoveTrayIcon(true);
  EXPECT_TRUE(IsWindowVisible(main->Handle()));

  ui::TrayNotify = &NotifyLog::Record;
  NotifyLog::calls.clear();
  NotifyLog::accept = FALSE;
  EXPECT_FALSE(main->HideToTray());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));

  NotifyLog::accept = TRUE;
  ShowWindow(main->Handle(), SW_MINIMIZE);  // not through the system menu
  EXPECT_TRUE(main->InTray());
  main->RemoveTrayIcon(true);
  EXPECT_FALSE(IsIconic(main->Handle()));

  MarkModified();
  SendMessageW(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(main->InTray());
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_EQ(NotifyLog::last.cbSize, sizeof(NOTIFYICONDATAW));
  EXPECT_EQ(NotifyLog::last.uID, 100u);
  EXPECT_EQ(NotifyLog::last.uCallbackMessage, 1025u);
  EXPECT_NE(NotifyLog::last.hIcon, nullptr);
  EXPECT_STREQ(NotifyLog::last.szTip, L"Quorvex [*]");

  // A caption change while in the tray changes the tip; a long one is cut.
  ProfileFileName = std::u16string(80, u'x');
  main->Commands().UpdateCaption();
  EXPECT_EQ(NotifyLog::calls.back(), DWORD(NIM_MODIFY));
  EXPECT_EQ(wcslen(NotifyLog::last.szTip), 63u);

  NotifyLog::calls.clear();
  SendMessageW(main->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(NotifyLog::calls, (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));

  SendMessageW(main->Handle(), ui::TrayCallbackMessage, ui::TrayIconId, WM_LBUTTONDBLCLK);
  EXPECT_FALSE(main->InTray());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_EQ(NotifyLog::calls.back(), DWORD(NIM_DELETE));

  // A new taskbar that refuses the icon gives the window back.
  ASSERT_TRUE(main->HideToTray());
  NotifyLog::accept = FALSE;
  SendMessageW(main->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_FALSE(main->InTray());
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  ui::TrayNotify = Shell_NotifyIconW;
}

// The tray menu as the window opens it, seen through a hook on the thread.
struct PopupLog {
  static inline std::vector<std::wstring> items;
  static inline UINT defaultItem = 0;
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_INITMENUPOPUP) {
      HMENU menu = reinterpret_cast<HMENU>(message->wParam);
      items.clear();
      for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, UINT(i), text, 64, MF_BYPOSITION);
        items.emplace_back(text);
      }
      defaultItem = GetMenuDefaultItem(menu, FALSE, 0);
      // Closes the menu once its loop runs.
      SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        EndMenu();
      });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

TEST_F(MainWindowTest, RightClickOnTheTrayIconShowsItsMenu) {
  ASSERT_TRUE(main->HideToTray());
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &PopupLog::Hook, nullptr, GetCurrentThreadId());
  SendMessageW(main->Handle(), ui::TrayCallbackMessage, ui::TrayIconId, WM_RBUTTONUP);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(PopupLog::items, (std::vector<std::wstring>{L"&Restore", L"&Open profile...", L"E&xit"}));
  EXPECT_EQ(PopupLog::defaultItem, UINT(ui::TActionId::PopRestore));
  EXPECT_TRUE(main->InTray());
  main->RemoveTrayIcon(true);
}

TEST_F(MainWindowTest, AStartIntoARefusedTrayShowsTheWindow) {
  Close();
  ui::TrayNotify = [](DWORD, PNOTIFYICONDATAW) -> BOOL { return FALSE; };
  Open(u"default.lng", SW_SHOWMINIMIZED);
  ui::TrayNotify = Shell_NotifyIconW;
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(main->InTray());
}

TEST_F(MainWindowTest, AWindowWiderThanTheWorkAreaStartsAtItsLeftEdge) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(main->Handle(), nullptr, 300, 300, work.right - work.left + 200, 300, SWP_NOZORDER);
  main->InitialLoadAndPlacement();
  RECT placed{};
  GetWindowRect(main->Handle(), &placed);
  EXPECT_EQ(placed.left, work.left);
  EXPECT_LE(placed.bottom - placed.top, work.bottom - work.top - 4);
}

}  // namespace
}  // namespace qv::test
