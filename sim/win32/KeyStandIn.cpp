// The stand-in simulator: a window that takes the keyboard focus and lists
// every key it receives (virtual key, scan code, extended bit, down or up,
// time), the way the train simulator would receive them. It shows what a
// profile sends before the simulator is started, and the tests and the run
// command read its log.
//
//   quorvex-standin.exe [--log FILE] [--lever NAME:UP:DOWN:NOTCHES:HOLD_MS[:START][:GATE=MS@NOTCH...]]...
//
// With --log, every key is also appended to FILE, one line each, as it comes.
// Each --lever adds a simulator lever of its own, drawn beside the key list
// as a notched scale: notches 0 to NOTCHES - 1, starting at START (0 when
// left out), stepped by its UP and DOWN keys named as the program names them
// ("A", "Shift+H", "Num 8"). A press held t ms moves it floor(t / HOLD_MS)
// notches, never past an end; GATE=MS@N makes the boundary between notches N
// and N + 1 take MS more of the same press to cross, either way. The move is
// counted when the key goes up, and written as a line of its own after that
// key's line: "<time> lever NAME FROM -> TO".
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <deque>
#include <string>
#include <vector>

#include "base/Error.h"
#include "base/Utf.h"
#include "sim/KeyLog.h"
#include "sim/StandInLever.h"

namespace {

constexpr wchar_t ClassName[] = L"QuorvexStandIn";
constexpr size_t MaxShownLines = 200;

std::deque<std::wstring> shown;
FILE* logFile = nullptr;
std::vector<qv::sim::TStandInLever> levers;
qv::sim::TModifierState modifiers;

bool IsKeyMessage(UINT message) {
  return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP;
}

std::wstring KeyName(LPARAM lParam) {
  wchar_t name[64] = {};
  return GetKeyNameTextW(static_cast<LONG>(lParam), name, static_cast<int>(std::size(name))) > 0 ? name : L"";
}

void Show(const std::string& line, const std::wstring& suffix) {
  if (logFile != nullptr) {
    std::fprintf(logFile, "%s\n", line.c_str());
    std::fflush(logFile);
  }
  shown.push_back(std::wstring(line.begin(), line.end()) + suffix);
  if (shown.size() > MaxShownLines) shown.pop_front();
}

// Logged from the message loop, before any control could take the key.
void Record(HWND window, const MSG& msg) {
  const auto bits = static_cast<uint32_t>(msg.lParam);
  const qv::sim::TKeyLogEntry entry{static_cast<uint32_t>(msg.time),
                                    msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN,
                                    static_cast<uint16_t>(msg.wParam),
                                    static_cast<uint16_t>((bits >> 16) & 0xFF), (bits & (1u << 24)) != 0};
  const std::wstring name = KeyName(msg.lParam);
  Show(qv::sim::FormatKeyLogLine(entry), L"  " + name);
  const qv::sim::TKeyMessage key{entry.Time, entry.Down, entry.Scan, entry.Extended,
                                 std::u16string(name.begin(), name.end())};
  for (qv::sim::TStandInLever& lever : levers) {
    if (const auto move = lever.OnKey(key, modifiers.Down()))
      Show(qv::sim::FormatLeverLogLine({move->Time, qv::ToUtf8(lever.Setup().Name), move->From, move->To}),
           L"");
  }
  modifiers.Update(key);
  InvalidateRect(window, nullptr, TRUE);
}

constexpr int LeverWidth = 110;

// A lever as a vertical scale, its top notch at the top, the current notch
// marked and written under it.
void PaintLever(HDC dc, const qv::sim::TStandInLever& lever, RECT area, int lineHeight) {
  const std::wstring name(lever.Setup().Name.begin(), lever.Setup().Name.end());
  RECT title{area.left, area.top, area.right, area.top + lineHeight};
  DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &title,
            DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  const int notches = lever.Setup().Notches;
  const int top = area.top + 2 * lineHeight, bottom = area.bottom - 2 * lineHeight;
  const int spacing = std::max(1, (bottom - top) / std::max(1, notches - 1));
  const int x = area.left + 40;
  MoveToEx(dc, x, top, nullptr);
  LineTo(dc, x, top + spacing * (notches - 1) + 1);
  for (int notch = 0; notch < notches; ++notch) {
    const int y = top + spacing * (notches - 1 - notch);
    MoveToEx(dc, x - 8, y, nullptr);
    LineTo(dc, x + 9, y);
    const std::wstring label = std::to_wstring(notch);
    TextOutW(dc, x - 14 - 8 * static_cast<int>(label.size()), y - lineHeight / 2, label.c_str(),
             static_cast<int>(label.size()));
    if (notch == lever.Notch()) {
      RECT handle{x + 12, y - 5, x + 52, y + 6};
      FillRect(dc, &handle, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
  }
  // A gate as a bar across the scale between its two notches, with the extra hold it takes.
  for (const qv::sim::TLeverGate& gate : lever.Setup().Gates) {
    const int y = top + spacing * (notches - 1 - gate.Notch) - spacing / 2;
    RECT bar{x - 6, y - 1, x + 7, y + 2};
    FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    const std::wstring extra = L"+" + std::to_wstring(gate.Ms);
    TextOutW(dc, x + 12, y - lineHeight / 2, extra.c_str(), static_cast<int>(extra.size()));
  }
  const std::wstring now = L"notch " + std::to_wstring(lever.Notch());
  RECT under{area.left, area.bottom - lineHeight - 2, area.right, area.bottom - 2};
  DrawTextW(dc, now.c_str(), static_cast<int>(now.size()), &under, DT_CENTER | DT_SINGLELINE);
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
  const int leversLeft = client.right - LeverWidth * static_cast<int>(levers.size());
  for (size_t i = 0; i < levers.size(); ++i) {
    const int left = leversLeft + LeverWidth * static_cast<int>(i);
    PaintLever(dc, levers[i], RECT{left, 2, left + LeverWidth, client.bottom}, lineHeight);
  }
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

// The options, or false after telling the user what is wrong.
bool ReadOptions(int argc, wchar_t** argv) {
  try {
    for (int i = 1; i < argc; ++i) {
      const bool log = std::wcscmp(argv[i], L"--log") == 0, lever = std::wcscmp(argv[i], L"--lever") == 0;
      if (!log && !lever) continue;
      if (i + 1 == argc) throw qv::Error(std::u16string(log ? u"--log" : u"--lever") + u" needs a value");
      const std::wstring value = argv[++i];
      if (log && logFile == nullptr) logFile = _wfopen(value.c_str(), L"ab");
      if (lever) levers.emplace_back(qv::sim::ParseLeverOption(std::u16string(value.begin(), value.end())));
    }
    return true;
  } catch (const qv::Error& e) {
    const std::wstring message(e.message().begin(), e.message().end());
    MessageBoxW(nullptr, message.c_str(), L"Quorvex stand-in simulator", MB_OK | MB_ICONERROR);
    return false;
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const bool usable = argv == nullptr || ReadOptions(argc, argv);
  LocalFree(argv);
  if (!usable) {
    if (logFile != nullptr) std::fclose(logFile);
    return 2;
  }

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = ClassName;
  RegisterClassExW(&wc);
  // Beside the program's main window, as far as the levers leave room on the screen.
  const int width = 480 + LeverWidth * static_cast<int>(levers.size());
  const int left = std::max(0, std::min(520, GetSystemMetrics(SM_CXSCREEN) - width));
  HWND window = CreateWindowExW(0, ClassName, L"Quorvex stand-in simulator", WS_OVERLAPPEDWINDOW, left, 60,
                                width, 600, nullptr, nullptr, instance, nullptr);
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
