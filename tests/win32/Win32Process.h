#pragma once
// Real processes for the Windows tests: the program and the stand-in
// simulator started as a user would start them, waited for by their
// windows, and never left running after a test.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sim/KeyLog.h"

namespace qv::test {

class ChildProcess {
 public:
  // commandLine: the program's full name first, quoted as needed. show: the
  // show state the starter asks for, as a shortcut set to "minimised" would.
  explicit ChildProcess(std::wstring commandLine, std::optional<WORD> show = std::nullopt) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (show) {
      startup.dwFlags = STARTF_USESHOWWINDOW;
      startup.wShowWindow = *show;
    }
    started_ = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                              &startup, &info_) != 0;
  }
  ~ChildProcess() {
    if (!started_) return;
    if (!WaitExit(0)) TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }
  bool WaitExit(DWORD ms) const { return WaitForSingleObject(info_.hProcess, ms) == WAIT_OBJECT_0; }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

// Polls until check holds or ms have passed, pumping this thread's messages
// meanwhile; the result of the last check.
inline bool WaitUntil(const std::function<bool()>& check, DWORD ms = 10000) {
  const DWORD end = GetTickCount() + ms;
  for (;;) {
    if (check()) return true;
    if (static_cast<int>(GetTickCount() - end) >= 0) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

// Puts a window of any process in front and waits until it stays there.
// A window that took the foreground a moment ago can still get it back when
// Wine's X11 driver sees that window's late focus event, so the request is
// made again until the window has held the foreground for a while.
inline bool BringToFront(HWND window) {
  return WaitUntil([&] {
    if (GetForegroundWindow() != window) SetForegroundWindow(window);
    Sleep(150);
    return GetForegroundWindow() == window;
  });
}

inline HWND WaitForWindow(const std::function<HWND()>& find, DWORD ms = 10000) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = find()) != nullptr; }, ms);
  return window;
}

// The top-level windows of a process with exactly this class name.
inline std::vector<HWND> ProcessWindows(DWORD process, const wchar_t* className) {
  struct Search {
    DWORD process;
    const wchar_t* className;
    std::vector<HWND> found;
  } search{process, className, {}};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        wchar_t name[64] = {};
        GetWindowThreadProcessId(window, &owner);
        GetClassNameW(window, name, 64);
        if (owner == s.process && std::wstring(name) == s.className) s.found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND FindProcessWindow(DWORD process, const wchar_t* className) {
  const auto windows = ProcessWindows(process, className);
  return windows.empty() ? nullptr : windows.front();
}

inline std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

// The program files beside the test program.
inline std::wstring BesideTests(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return (std::filesystem::path(path).parent_path() / name).wstring();
}

// The stand-in simulator, logging into log; its window is found by title.
constexpr wchar_t StandInTitle[] = L"Quorvex stand-in simulator";
inline std::wstring StandInCommand(const std::filesystem::path& log) {
  return L"\"" + BesideTests(L"quorvex-standin.exe") + L"\" --log \"" + log.wstring() + L"\"";
}

// A key's name as the keyboard layout gives it for its scan code, the name
// the stand-in's levers take for their keys ("A", and under Wine "KP_Up" for
// the keypad's 8, "'" for the apostrophe).
inline std::wstring KeyNameOfScan(WORD scan) {
  wchar_t name[64] = {};
  GetKeyNameTextW(static_cast<LONG>(scan) << 16, name, 64);
  return name;
}

// The hold a stand-in lever needs for a notch when a lever's step taps are
// held stepHold ms: below the tap's hold, so that a tap a few ms short still
// moves it, and above half of it, so that one tap never moves it two notches.
constexpr int StandInNotchHold(int stepHold) { return stepHold * 5 / 6; }

// One --lever option of the stand-in (with its leading space): a lever of
// notches moved by the keys of these scan codes, holdMs a notch, from start.
inline std::wstring StandInLeverOption(const std::wstring& name, WORD upScan, WORD downScan, int notches,
                                       int holdMs, int start) {
  return L" --lever \"" + name + L":" + KeyNameOfScan(upScan) + L":" + KeyNameOfScan(downScan) + L":" +
         std::to_wstring(notches) + L":" + std::to_wstring(holdMs) + L":" + std::to_wstring(start) + L"\"";
}

inline std::vector<sim::TKeyLogEntry> ReadKeyLog(const std::filesystem::path& log) {
  std::vector<sim::TKeyLogEntry> keys;
  std::ifstream in(log);
  std::string line;
  while (std::getline(in, line))
    if (auto entry = sim::ParseKeyLogLine(line)) keys.push_back(*entry);
  return keys;
}

// The moves of the stand-in's own levers, in the order they were logged.
inline std::vector<sim::TLeverLogEntry> ReadLeverLog(const std::filesystem::path& log) {
  std::vector<sim::TLeverLogEntry> moves;
  std::ifstream in(log);
  std::string line;
  while (std::getline(in, line))
    if (auto entry = sim::ParseLeverLogLine(line)) moves.push_back(*entry);
  return moves;
}

}  // namespace qv::test
