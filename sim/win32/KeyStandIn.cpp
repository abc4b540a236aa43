// The stand-in simulator: a window that takes the keyboard focus and lists
// every key it receives (virtual key, scan code, extended bit, down or up,
// time), the way the train simulator would receive them. It shows what a
// profile sends before the simulator is started, and the tests and the run
// command read its log.
//
//   quorvex-standin.exe [--log FILE]
//
// With --log, every key is also appended to FILE, one line each, as it comes.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <string>

#include "sim/KeyLog.h"

namespace {

constexpr wchar_t ClassName[] = L"QuorvexStandIn";
constexpr size_t MaxShownLines = 200;

std::deque<std::wstring> shown;
FILE* logFile = nullptr;

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

std::wstring KeyName(LPARAM lParam) {
  wchar_t name[64] = {};
  return GetKeyNameTextW(static_cast<LONG>(lParam), name, static_cast<int>(std::size(name))) > 0 ? name : L"";
}

// Logged from the message loop, before any control could take the key.
void Record(HWND window, const MSG& msg) {
  const auto bits = static_cast<uint32_t>(msg.lParam);
  const qv::sim::TKeyLogEntry entry{static_cast<uint32_t>(msg.time),
                                    msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN,
                                    static_cast<uint16_t>(msg.wParam),
                                    static_cast<uint16_t>((bits >> 16) & 0xFF), (bits & (1u << 24)) != 0};
  const std::string line = qv::sim::FormatKeyLogLine(entry);
  if (logFile != nullptr) {
    std::fprintf(logFile, "%s\n", line.c_str());
    std::fflush(logFile);
  }
  shown.push_back(std::wstring(line.begin(), line.end()) + L"  " + KeyName(msg.lParam));
  if (shown.size() > MaxShownLines) shown.pop_front();
  InvalidateRect(window, nullptr, TRUE);
}

void Paint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  SelectObject(dc, GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 16;
  const std::wstring heading = L"Keys received (newest last):";
  TextOutW(dc, 4, 2, heading.c_str(), static_cast<int>(heading.size()));
  // The newest keys at the bottom; older ones scroll off the top.
  const auto rows = static_cast<size_t>(std::max(0L, (client.bottom - lineHeight - 4) / lineHeight));
  const size_t first = shown.size() > rows ? shown.size() - rows : 0;
  int y = 4 + lineHeight;
  for (size_t i = first; i < shown.size(); ++i, y += lineHeight)
    TextOutW(dc, 4, y, shown[i].c_str(), static_cast<int>(shown[i].size()));
  EndPaint(window, &paint);
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      // Keys are swallowed so that Alt and F10 do not open the system menu
      // and steal the focus from the simulator's window.
      if (IsKeyMessage(message)) return 0;
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

const wchar_t* LogName(int argc, wchar_t** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::wcscmp(argv[i], L"--log") == 0) return argv[i + 1];
  return nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (const wchar_t* name = argv != nullptr ? LogName(argc, argv) : nullptr) logFile = _wfopen(name, L"ab");
  LocalFree(argv);

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = ClassName;
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, ClassName, L"Quorvex stand-in simulator", WS_OVERLAPPEDWINDOW, 520, 60,
                                480, 600, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, show);
  // The simulator is the foreground window while the user drives.
  SetForegroundWindow(window);
  SetActiveWindow(window);
  SetFocus(window);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsKeyMessage(msg.message)) Record(window, msg);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (logFile != nullptr) std::fclose(logFile);
  return 0;
}
