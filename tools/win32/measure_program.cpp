// Measures the program as a user runs it: the time from starting
// quorvex.exe to its main window being shown, beside Wine's own notepad
// started the same way, and, for two idle states, its working set and the
// processor time of the whole process and of its poll thread over a spell:
// first with its own main window active (the poll thread paused), then with
// the stand-in simulator (beside this tool) in front.
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
#include <array>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/win32/Win32Process.h"
#include "tools/win32/MeasureSupport.h"

namespace {

using qv::measure::WaitForVisibleWindow;
using qv::test::ChildProcess;

constexpr int TimedStarts = 3;

double Seconds(const FILETIME& time) {
  return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e7;
}

double Now() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from the start of commandLine to its window of className
// shown; negative when it never showed. The process is closed again.
double TimeOneStart(const std::wstring& commandLine, const wchar_t* className) {
  const double start = Now();
  ChildProcess process(commandLine);
  if (!process.Started()) return -1;
  HWND window = WaitForVisibleWindow(process, className);
  const double shown = Now();
  if (window == nullptr) return -1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  process.WaitExit(10000);
  return 1000.0 * (shown - start);
}

struct TStartTimes {
  std::array<double, TimedStarts> Ms{};
  double Median() const {
    auto sorted = Ms;
    std::sort(sorted.begin(), sorted.end());
    return sorted[TimedStarts / 2];
  }
  bool Failed() const {
    return std::any_of(Ms.begin(), Ms.end(), [](double ms) { return ms < 0; });
  }
  void Print(const char* name) const {
    std::printf("  %-12s %4.0f ms (", name, Median());
    for (int i = 0; i < TimedStarts; ++i) std::printf(i == 0 ? "%.0f" : ", %.0f", Ms[static_cast<size_t>(i)]);
    std::printf(")\n");
  }
};

// Warm starts, the program's and notepad's taking turns so that whatever
// else the machine does weighs on both alike. One start of each first, not
// timed: Wine's own first start of a program is not the program's.
bool MeasureStartUp(const std::wstring& program) {
  const std::wstring notepad = L"notepad.exe";
  TimeOneStart(program, L"TfmMain");
  TimeOneStart(notepad, L"Notepad");
  TStartTimes ours, theirs;
  for (size_t i = 0; i < TimedStarts; ++i) {
    ours.Ms[i] = TimeOneStart(program, L"TfmMain");
    theirs.Ms[i] = TimeOneStart(notepad, L"Notepad");
  }
  if (ours.Failed() || theirs.Failed()) {
    std::fprintf(stderr, "a timed start did not show its main window\n");
    return false;
  }
  std::printf("start-up to main window shown, median of %d warm starts:\n", TimedStarts);
  ours.Print("quorvex.exe");
  theirs.Print("notepad.exe");
  std::printf("  difference   %4.0f ms\n", ours.Median() - theirs.Median());
  return true;
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

void PrintWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (process != nullptr && GetProcessMemoryInfo(process, &memory, sizeof memory))
    std::printf("  working set: %.1f MB (peak %.1f MB)\n",
                static_cast<double>(memory.WorkingSetSize) / 1048576.0,
                static_cast<double>(memory.PeakWorkingSetSize) / 1048576.0);
}

void PrintTime(const char* what, double used, int idle) {
  std::printf("  %s over %d s: %.3f s (%.3f %% of one core)\n", what, idle, used, 100.0 * used / idle);
}

// One idle spell of the running program: its working set, then the
// processor time of its threads and of the whole process over idle seconds.
// Wine gives no processor time of another process as a whole (its
// GetProcessTimes counts none), so the whole is the sum of the threads
// that were there at the spell's end.
void MeasureIdle(const char* state, DWORD id, HANDLE process, int idle) {
  std::printf("idle, %s:\n", state);
  PrintWorkingSet(process);
  const auto before = ThreadTimes(id);
  Sleep(static_cast<DWORD>(idle) * 1000);
  const auto after = ThreadTimes(id);
  // The poll thread is the one started last: polling starts at the end of
  // the start-up, after every window and the joystick exist.
  DWORD newest = 0;
  double newestCreated = 0, threads = 0;
  for (const auto& [thread, time] : after) {
    const auto earlier = before.find(thread);
    const double used = time.Used - (earlier != before.end() ? earlier->second.Used : 0);
    threads += used;
    if (time.Created >= newestCreated) {
      newest = thread;
      newestCreated = time.Created;
    }
    std::printf("    thread %lu: %.3f s\n", static_cast<unsigned long>(thread), used);
  }
  PrintTime("whole process", threads, idle);
  const auto poll = after.find(newest);
  const auto pollBefore = before.find(newest);
  if (poll != after.end() && pollBefore != before.end())
    PrintTime("poll thread", poll->second.Used - pollBefore->second.Used, idle);
  else
    std::printf("  poll thread: started during the spell, not measured\n");
}

// The step times of the start that writes them (QUORVEX_STARTUP_TIMES),
// once it has: it does at the end of its start-up.
void PrintStepTimes(const std::filesystem::path& file) {
  if (!qv::test::WaitUntil([&] { return std::filesystem::exists(file); }, 5000)) {
    std::printf("no step times written\n");
    return;
  }
  Sleep(100);
  std::printf("start-up steps of the next start (step, ms, ms from the process's start):\n");
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) std::printf("  %s\n", line.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvex-measure PROGRAM [IDLE_SECONDS]\n");
    return 2;
  }
  const int idle = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 60;
  const std::wstring program = L"\"" + std::wstring(argv[1]) + L"\"";
  if (!MeasureStartUp(program)) return 1;

  // The start that stays for the idle spells tells where its time went.
  const auto stepTimes = std::filesystem::path(argv[1]).parent_path() / "startup-times.txt";
  std::filesystem::remove(stepTimes);
  SetEnvironmentVariableW(L"QUORVEX_STARTUP_TIMES", stepTimes.wstring().c_str());
  ChildProcess run(program);
  SetEnvironmentVariableW(L"QUORVEX_STARTUP_TIMES", nullptr);
  HWND main = run.Started() ? WaitForVisibleWindow(run, L"TfmMain") : nullptr;
  if (main == nullptr) {
    std::fprintf(stderr, "the main window did not appear\n");
    return 1;
  }
  PrintStepTimes(stepTimes);
  SetForegroundWindow(main);
  if (!qv::test::WaitUntil([&] { return GetForegroundWindow() == main; })) {
    std::fprintf(stderr, "the main window did not become active\n");
    return 1;
  }
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, run.Id());
  // A few seconds to settle: the figures are of the idle program, not of
  // its first paint.
  Sleep(3000);
  MeasureIdle("its own main window active", run.Id(), process, idle);

  // The stand-in simulator takes the focus, as the simulator would: the
  // program polls then, and repaints only what changes.
  ChildProcess simulator(L"\"" + qv::test::BesideTests(L"quorvex-standin.exe") + L"\"");
  HWND standIn = qv::test::WaitForWindow([] { return FindWindowW(nullptr, qv::test::StandInTitle); });
  if (standIn == nullptr || !qv::test::WaitUntil([&] { return GetForegroundWindow() == standIn; })) {
    std::fprintf(stderr, "the stand-in simulator did not take the focus\n");
    return 1;
  }
  Sleep(3000);
  MeasureIdle("the stand-in simulator in front", run.Id(), process, idle);

  if (process != nullptr) CloseHandle(process);
  PostMessageW(main, WM_CLOSE, 0, 0);
  run.WaitExit(10000);
  PostMessageW(standIn, WM_CLOSE, 0, 0);
  simulator.WaitExit(10000);
  return 0;
}
