// Measures the program as a user runs it: the time from starting
// quorvex.exe to its main window being shown, its working set while it
// polls, and the processor time of its threads over an idle spell while the
// stand-in simulator (beside this tool) has the focus.
//
//   quorvex-measure.exe PROGRAM [IDLE_SECONDS]
//
// PROGRAM is started with the environment and folder it finds; the caller
// sets QUORVEX_VIRTUAL_JOYSTICK to a controller without a timeline, so that
// nothing moves. Prints one line per figure.
#include <windows.h>
// after windows.h
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <map>
#include <string>

#include "tests/win32/Win32Process.h"

namespace {

double Seconds(const FILETIME& time) {
  return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
}

struct TThreadTime {
  double Created = 0;  // seconds since 1601
  double Used = 0;     // kernel + user seconds
};

// The processor time of every thread of the process, by thread id.
std::map<DWORD, TThreadTime> ThreadTimes(DWORD process) {
  std::map<DWORD, TThreadTime> times;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return times;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != process) continue;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
    if (thread == nullptr) continue;
    FILETIME created, exited, kernel, user;
    if (GetThreadTimes(thread, &created, &exited, &kernel, &user))
      times[entry.th32ThreadID] = {Seconds(created), Seconds(kernel) + Seconds(user)};
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return times;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvex-measure PROGRAM [IDLE_SECONDS]\n");
    return 2;
  }
  const int idle = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 60;
  LARGE_INTEGER frequency, start, shown;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  qv::test::ChildProcess program(L"\"" + std::wstring(argv[1]) + L"\"");
  if (!program.Started()) {
    std::fprintf(stderr, "cannot start the program\n");
    return 1;
  }
  HWND main = qv::test::WaitForWindow(
      [&] {
        HWND window = qv::test::FindProcessWindow(program.Id(), L"TfmMain");
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
      },
      60000);
  QueryPerformanceCounter(&shown);
  if (main == nullptr) {
    std::fprintf(stderr, "the main window did not appear\n");
    return 1;
  }
  std::printf("start-up to main window shown: %.0f ms\n",
              1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) /
                  static_cast<double>(frequency.QuadPart));

  // The stand-in simulator takes the focus, as the simulator would: the
  // program polls at its full rate then, and repaints only what changes.
  qv::test::ChildProcess simulator(L"\"" + qv::test::BesideTests(L"quorvex-standin.exe") + L"\"");
  HWND standIn = qv::test::WaitForWindow([] { return FindWindowW(nullptr, qv::test::StandInTitle); });
  if (standIn == nullptr || !qv::test::WaitUntil([&] { return GetForegroundWindow() == standIn; })) {
    std::fprintf(stderr, "the stand-in simulator did not take the focus\n");
    return 1;
  }
  Sleep(3000);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.Id());
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (process != nullptr && GetProcessMemoryInfo(process, &memory, sizeof memory))
    std::printf("working set while polling: %.1f MB (peak %.1f MB)\n",
                static_cast<double>(memory.WorkingSetSize) / 1048576.0,
                static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);

  const auto before = ThreadTimes(program.Id());
  Sleep(static_cast<DWORD>(idle) * 1000);
  const auto after = ThreadTimes(program.Id());
  // The poll thread is the one started last: polling starts at the end of
  // the start-up, after every window and the joystick exist.
  DWORD newest = 0;
  double newestCreated = 0, total = 0;
  for (const auto& [thread, time] : after) {
    const auto earlier = before.find(thread);
    const double used = time.Used - (earlier != before.end() ? earlier->second.Used : 0);
    total += used;
    if (time.Created >= newestCreated) {
      newest = thread;
      newestCreated = time.Created;
    }
    std::printf("  thread %lu: %.3f s\n", static_cast<unsigned long>(thread), used);
  }
  const auto poll = after.find(newest);
  const auto pollBefore = before.find(newest);
  if (poll != after.end() && pollBefore != before.end())
    std::printf("poll thread's processor time over %d s idle: %.3f s (whole process %.3f s)\n", idle,
                poll->second.Used - pollBefore->second.Used, total);
  if (process != nullptr) CloseHandle(process);
  PostMessageW(main, WM_CLOSE, 0, 0);
  program.WaitExit(10000);
  PostMessageW(standIn, WM_CLOSE, 0, 0);
  return 0;
}
