// Measures the step taps of a lever as a game sees them: a client window of
// this tool holds the focus and, as a game loop does, reads the key state
// (GetAsyncKeyState) once every 33 ms, while quorvex.exe steps a lever of 21
// notches from end to end and back (20 taps a move, with StepHold 60 and
// StepGap 60) and a button is pressed in the middle of each move. Prints how
// many taps the state reads saw, the holds and gaps taken from the key
// messages' own time stamps, and the time from each button press (its due
// moment on the controller's timeline) to the button's key message.
//
//   quorvex-measure-taps.exe FOLDER [MOVES]
//
// FOLDER holds quorvex.exe and its language file; the tool writes the
// profile, the joystick settings and the controller there. MOVES (50 by
// default) moves of 20 taps each.
#define DIRECTINPUT_VERSION 0x0800
#include <windows.h>
// after windows.h
#include <dinput.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/win32/MeasureSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr int Notches = 21;
constexpr int StepHold = 60;
constexpr int StepGap = 60;
constexpr uint32_t Lead = 6000;         // ms of timeline before the first move: start-up and focus
constexpr uint32_t MovePeriod = 3000;   // 20 taps of 120 ms, and time to spare
constexpr uint32_t ButtonAfter = 1000;  // the button goes down this long into a move
constexpr uint32_t ButtonHeld = 300;
constexpr DWORD ReadEvery = 33;
constexpr WORD UpVk = 'A', DownVk = 'D', ButtonVk = VK_SPACE;

int NotchValue(int notch) { return 1000 + 3000 * notch; }

void WriteSettings(const fs::path& folder) {
  std::ofstream joy(folder / "default.qvjoy", std::ios::binary);
  joy << "\xEF\xBB\xBF{ MULTILEVEL\r\n  Format=QvJoy\r\n  Noise=10\r\n  { AXES\r\n    { AXIS\r\n      "
         "Index=0\r\n"
         "      Name=Lever\r\n      Type=Multipos\r\n      { POSITIONS\r\n";
  for (int notch = 0; notch < Notches; ++notch)
    joy << "        { POSITION\r\n          Value=" << NotchValue(notch) << "\r\n        }\r\n";
  joy << "      }\r\n    }\r\n  }\r\n}\r\n";
  std::ofstream(folder / "taps.qvprof", std::ios::binary)
      << "\xEF\xBB\xBF{ MULTILEVEL\r\n  { AXES\r\n    { AXIS\r\n      Index=0\r\n      StepHold=" << StepHold
      << "\r\n      StepGap=" << StepGap
      << "\r\n      { UP\r\n        ScanCode=30\r\n        Vkey=65\r\n      }\r\n      { DOWN\r\n"
         "        ScanCode=32\r\n        Vkey=68\r\n      }\r\n    }\r\n  }\r\n  { BUTTONS\r\n    { "
         "BUTTON\r\n"
         "      Index=0\r\n      { HOLD\r\n        ScanCode=57\r\n        Vkey=32\r\n      }\r\n    }\r\n  "
         "}\r\n}\r\n";
}

// End to end and back, the button pressed in the middle of every move.
std::string Controller(int moves) {
  std::string text =
      "{ CONTROLLER\n  Name=Tap Box\n  Axis0=Lever\n  Button0=Button\n  { TIMELINE\n    At=0\n"
      "    Axis0=" +
      std::to_string(NotchValue(0)) + "\n    Button0=0\n";
  for (int move = 0; move < moves; ++move) {
    const uint32_t at = Lead + MovePeriod * static_cast<uint32_t>(move);
    text += "    At=" + std::to_string(at) +
            "\n    Axis0=" + std::to_string(NotchValue(move % 2 == 0 ? Notches - 1 : 0)) +
            "\n    At=" + std::to_string(at + ButtonAfter) +
            "\n    Button0=1\n    At=" + std::to_string(at + ButtonAfter + ButtonHeld) + "\n    Button0=0\n";
  }
  return text + "  }\n}\n";
}

struct TKeyMessage {
  DWORD Time;
  WORD Vk;
  bool Down;
};

// What the client saw: every key message, and how often each step key was
// found down by a state read after a read that found it up.
struct TClientView {
  std::vector<TKeyMessage> Messages;
  std::vector<DWORD> Reads;  // when the key state was read
  int SeenTaps = 0;          // by GetAsyncKeyState
  int SeenTapsDirect = 0;    // by DirectInput's immediate state of the keyboard
};

// The keyboard as DirectInput gives a game its immediate state.
class TDirectKeyboard {
 public:
  explicit TDirectKeyboard(HWND window) {
    if (FAILED(DirectInput8Create(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W,
                                  reinterpret_cast<void**>(&input_), nullptr)) ||
        FAILED(input_->CreateDevice(GUID_SysKeyboard, &device_, nullptr)) ||
        FAILED(device_->SetDataFormat(&c_dfDIKeyboard)) ||
        FAILED(device_->SetCooperativeLevel(window, DISCL_FOREGROUND | DISCL_NONEXCLUSIVE)))
      std::fprintf(stderr, "DirectInput's keyboard could not be set up\n");
  }
  ~TDirectKeyboard() {
    if (device_ != nullptr) {
      device_->Unacquire();
      device_->Release();
    }
    if (input_ != nullptr) input_->Release();
  }
  TDirectKeyboard(const TDirectKeyboard&) = delete;
  TDirectKeyboard& operator=(const TDirectKeyboard&) = delete;

  // Whether each of the two keys (by their DirectInput codes) is down.
  void Read(const BYTE (&codes)[2], bool (&down)[2]) {
    BYTE state[256] = {};
    if (device_ == nullptr) return;
    if (FAILED(device_->GetDeviceState(sizeof state, state))) {
      device_->Acquire();
      if (FAILED(device_->GetDeviceState(sizeof state, state))) return;
    }
    for (size_t k = 0; k < 2; ++k) down[k] = (state[codes[k]] & 0x80) != 0;
  }

 private:
  IDirectInput8W* input_ = nullptr;
  IDirectInputDevice8W* device_ = nullptr;
};

LRESULT CALLBACK ClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN || message == WM_SYSKEYUP)
    return 0;
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateClient() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ClientProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"QuorvexMeasureClient";
  RegisterClassW(&wc);
  HWND window =
      CreateWindowW(wc.lpszClassName, L"Game client (reads the keys every 33 ms)", WS_OVERLAPPEDWINDOW, 500,
                    100, 400, 200, nullptr, nullptr, wc.hInstance, nullptr);
  ShowWindow(window, SW_SHOW);
  return window;
}

// The game loop until the time reaches end: messages as they come, the key
// state every ReadEvery ms, both as GetAsyncKeyState and as DirectInput give
// it. Timed on the multimedia timer, as a game times its frames: the tick
// count moves about every 16 ms.
TClientView RunClient(HWND window, uint32_t end) {
  TClientView view;
  TDirectKeyboard direct(window);
  bool wasDown[2] = {false, false};
  bool wasDownDirect[2] = {false, false};
  DWORD nextRead = timeGetTime();
  while (static_cast<int32_t>(timeGetTime() - end) < 0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
        view.Messages.push_back({msg.time, static_cast<WORD>(msg.wParam), msg.message == WM_KEYDOWN});
      DispatchMessageW(&msg);
    }
    const DWORD now = timeGetTime();
    if (static_cast<int32_t>(now - nextRead) >= 0) {
      view.Reads.push_back(now);
      const WORD keys[2] = {UpVk, DownVk};
      for (size_t k = 0; k < 2; ++k) {
        const bool down = (GetAsyncKeyState(keys[k]) & 0x8000) != 0;
        if (down && !wasDown[k]) ++view.SeenTaps;
        wasDown[k] = down;
      }
      bool downDirect[2] = {wasDownDirect[0], wasDownDirect[1]};
      direct.Read({DIK_A, DIK_D}, downDirect);
      for (size_t k = 0; k < 2; ++k) {
        if (downDirect[k] && !wasDownDirect[k]) ++view.SeenTapsDirect;
        wasDownDirect[k] = downDirect[k];
      }
      nextRead += ReadEvery;
    }
    const auto wait = static_cast<int32_t>(nextRead - timeGetTime());
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::max(0, wait)), QS_ALLINPUT);
  }
  return view;
}

void PrintSpread(const char* what, const std::vector<double>& values) {
  if (values.empty()) {
    std::printf("  %s: none\n", what);
    return;
  }
  std::printf("  %s over %zu: min %.0f, p50 %.0f, p99 %.0f, max %.0f ms\n", what, values.size(),
              qv::measure::Percentile(values, 0), qv::measure::Percentile(values, 0.5),
              qv::measure::Percentile(values, 0.99), qv::measure::Percentile(values, 1));
}

// Whether the client read the key state at all while the key was down: a
// tap it did not see with no read inside it was the client's own delay.
bool ReadWhileDown(const std::vector<DWORD>& reads, DWORD down, DWORD up) {
  const auto first = std::lower_bound(reads.begin(), reads.end(), down);
  return first != reads.end() && static_cast<int32_t>(*first - up) < 0;
}

void Report(const TClientView& view, uint32_t start, int moves) {
  std::vector<double> holds, holdErrors, gaps, latencies;
  int sent = 0, readDuring = 0;
  int errorCounts[4] = {0, 0, 0, 0};  // |hold - StepHold| of 0, 1, 2 and 3 ms or more
  const TKeyMessage* lastUp = nullptr;
  for (size_t i = 0; i < view.Messages.size(); ++i) {
    const TKeyMessage& key = view.Messages[i];
    if (key.Vk != UpVk && key.Vk != DownVk) continue;
    if (!key.Down) {
      lastUp = &key;
      continue;
    }
    ++sent;
    // A gap is the pause between taps of one move; a new move starts long after.
    if (lastUp != nullptr && key.Time - lastUp->Time < MovePeriod / 2)
      gaps.push_back(static_cast<double>(key.Time - lastUp->Time));
    for (size_t j = i + 1; j < view.Messages.size(); ++j) {
      if (view.Messages[j].Vk != key.Vk || view.Messages[j].Down) continue;
      const auto hold = static_cast<double>(view.Messages[j].Time - key.Time);
      holds.push_back(hold);
      holdErrors.push_back(std::abs(hold - StepHold));
      ++errorCounts[std::min<size_t>(3, static_cast<size_t>(holdErrors.back()))];
      readDuring += ReadWhileDown(view.Reads, key.Time, view.Messages[j].Time) ? 1 : 0;
      break;
    }
  }
  for (int move = 0; move < moves; ++move) {
    const uint32_t due = start + Lead + MovePeriod * static_cast<uint32_t>(move) + ButtonAfter;
    for (const TKeyMessage& key : view.Messages) {
      if (key.Vk != ButtonVk || !key.Down || static_cast<int32_t>(key.Time - due) < 0) continue;
      latencies.push_back(static_cast<double>(key.Time - due));
      break;
    }
  }
  const int expected = moves * (Notches - 1);
  std::printf("step taps with StepHold %d and StepGap %d, %d moves of %d notches:\n", StepHold, StepGap,
              moves, Notches - 1);
  std::printf("  taps sent (key-down messages): %d (the moves ask for %d)\n", sent, expected);
  std::printf("  taps seen by a state read every %lu ms: GetAsyncKeyState %d of %d, DirectInput %d of %d\n",
              static_cast<unsigned long>(ReadEvery), view.SeenTaps, expected, view.SeenTapsDirect, expected);
  std::printf(
      "  taps with at least one state read while down: %d of %d (the client's own reads came late "
      "for the rest)\n",
      readDuring, sent);
  // A tap falls between two reads only where the client itself fell behind.
  DWORD longest = 0;
  int late = 0;
  for (size_t i = 1; i < view.Reads.size(); ++i) {
    const DWORD gap = view.Reads[i] - view.Reads[i - 1];
    longest = std::max(longest, gap);
    late += gap >= static_cast<DWORD>(StepHold) ? 1 : 0;
  }
  std::printf(
      "  the client's own reads: %zu, %d of them %d ms or more after the one before (longest %lu ms)\n",
      view.Reads.size(), late, StepHold, static_cast<unsigned long>(longest));
  PrintSpread("holds from message times", holds);
  PrintSpread("|hold - StepHold|", holdErrors);
  std::printf("  |hold - StepHold| of 0 ms: %d, 1 ms: %d, 2 ms: %d, 3 ms or more: %d\n", errorCounts[0],
              errorCounts[1], errorCounts[2], errorCounts[3]);
  std::printf("  holds within +-2 ms of StepHold at the 99th percentile: %s\n",
              !holdErrors.empty() && qv::measure::Percentile(holdErrors, 0.99) <= 2 ? "yes" : "no");
  PrintSpread("gaps between taps of a move", gaps);
  std::printf("button pressed %u ms into each move, from its due moment to its key message:\n", ButtonAfter);
  PrintSpread("latency", latencies);
  int within = 0;
  for (double latency : latencies) within += latency <= 10 ? 1 : 0;
  std::printf("  within 10 ms: %d of %d presses\n", within, moves);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quorvex-measure-taps FOLDER [MOVES]\n");
    return 2;
  }
  const fs::path folder = argv[1];
  const int moves = argc > 2 ? std::max(1, static_cast<int>(std::wcstol(argv[2], nullptr, 10))) : 50;
  WriteSettings(folder);
  timeBeginPeriod(1);
  qv::measure::TProgramRun program(folder, folder / "taps.qvprof", Controller(moves));
  if (program.Main() == nullptr || !program.TimelineStart()) {
    std::fprintf(stderr, "the program did not start, or did not say when its timeline began\n");
    return 1;
  }
  const uint32_t start = *program.TimelineStart();
  HWND client = CreateClient();
  if (!qv::test::BringToFront(client) || static_cast<int32_t>(timeGetTime() - (start + Lead)) >= 0) {
    std::fprintf(stderr, "the client did not take the focus before the first move\n");
    return 1;
  }
  const TClientView view = RunClient(client, start + Lead + MovePeriod * static_cast<uint32_t>(moves) + 500);
  timeEndPeriod(1);
  Report(view, start, moves);
  DestroyWindow(client);
  return 0;
}
