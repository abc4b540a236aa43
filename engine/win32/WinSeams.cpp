#include "engine/win32/WinSeams.h"

#include <windows.h>

#include <array>
#include <vector>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv::win32 {

void SendInputKeyboard::Send(std::span<const TKeyInput> records) {
  // A tap is at most two records; anything longer is rare enough to allocate.
  std::array<INPUT, 2> small{};
  std::vector<INPUT> large;
  INPUT* inputs = small.data();
  if (records.size() > small.size()) {
    large.resize(records.size());
    inputs = large.data();
  }
  for (size_t i = 0; i < records.size(); ++i) {
    INPUT& in = inputs[i];
    in = INPUT{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = records[i].Vk;
    in.ki.wScan = records[i].Scan;
    in.ki.dwFlags = (records[i].Flags & KeyFlagExtended ? KEYEVENTF_EXTENDEDKEY : 0u) |
                    (records[i].Flags & KeyFlagUp ? KEYEVENTF_KEYUP : 0u);
    // The system would stamp it with the tick count, a tick at a time: a
    // simulator that times a tap's hold by its messages would see 46.8 or
    // 62.4 ms for a 60 ms hold. The multimedia timer's time is as exact as
    // the sending.
    in.ki.time = records[i].Time != 0 ? records[i].Time : timeGetTime();
  }
  // A rejected input is lost silently: there is nobody to tell on the poll thread.
  SendInput(static_cast<UINT>(records.size()), inputs, sizeof(INPUT));
}

uint16_t SystemKeyboardLayout::ScanCodeOf(uint32_t vkey) {
  return static_cast<uint16_t>(MapVirtualKeyW(vkey, MAPVK_VK_TO_VSC));
}

std::u16string SystemKeyboardLayout::KeyName(int32_t keyParam) {
  std::array<wchar_t, 50> buffer{};
  const int length = GetKeyNameTextW(keyParam, buffer.data(), static_cast<int>(buffer.size()));
  if (length <= 0) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), static_cast<size_t>(length));
}

SystemWakeEvent::SystemWakeEvent() : event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

SystemWakeEvent::~SystemWakeEvent() {
  if (event_ != nullptr) CloseHandle(event_);
}

void SystemWakeEvent::Signal() { SetEvent(event_); }

bool SystemWakeEvent::Wait(uint32_t ms) {
  // Without an event object (the system refused one) this is a plain sleep,
  // and a device set up on it polls.
  if (event_ == nullptr) {
    ::Sleep(ms);
    return false;
  }
  return WaitForSingleObject(event_, ms) == WAIT_OBJECT_0;
}

uint32_t SystemClock::Now() { return timeGetTime(); }

void SystemClock::Sleep(uint32_t ms) { ::Sleep(ms); }

// A timed wait ends up to a millisecond or two after its time, however fine
// the timer; a tap's hold would carry that error. So the wait ends one
// millisecond early and the rest is spent yielding until the tick arrives.
bool SystemClock::WaitPrecisely(WakeEvent& wake, uint32_t ms) {
  const uint32_t start = Now();
  if (ms > 1 && wake.Wait(ms - 1)) return true;
  while (Now() - start < ms) {
    if (wake.Wait(0)) return true;
    SwitchToThread();
  }
  return false;
}

namespace {

// Windows 11 lets a process whose windows are all hidden lose its timer
// resolution; the program sits in the tray for hours, so it opts out. Older
// systems lack the call (or the class) and keep the resolution anyway.
void KeepTimerResolutionWhenHidden() {
  using SetInfo = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return;
  const auto set =
      reinterpret_cast<SetInfo>(reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")));
  if (set == nullptr) return;
  PROCESS_POWER_THROTTLING_STATE state{};
  state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
  state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
  state.StateMask = 0;
  set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof(state));
}

}  // namespace

void SystemClock::HoldPrecision(bool on) {
  if (on) {
    KeepTimerResolutionWhenHidden();
    timeBeginPeriod(1);
  } else {
    timeEndPeriod(1);
  }
}

}  // namespace qv::win32
