#pragma once
// The engine's seams on the real Windows API. Thin: they translate calls and
// decide nothing.
#include "engine/Seams.h"

namespace qv::win32 {

class SendInputKeyboard final : public KeyboardOutput {
 public:
  void Send(std::span<const TKeyInput> records) override;
};

class SystemKeyboardLayout final : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint32_t vkey) override;
  std::u16string KeyName(int32_t keyParam) override;
};

// The multimedia timer's milliseconds, on the tick count's reckoning, and
// Sleep. GetTickCount moves in steps of the system tick (15.6 ms on Windows;
// under Wine about every 16 ms), so a tap timed by it could be held a tick
// more or less than meant; this time moves every millisecond while precision
// is held, and then the system timer runs at 1 ms too, so the poll thread's
// 5 ms waits are 5 ms and not a whole tick.
class SystemClock final : public Clock {
 public:
  uint32_t Now() override;
  void Sleep(uint32_t ms) override;
  bool WaitPrecisely(WakeEvent& wake, uint32_t ms) override;
  void HoldPrecision(bool on) override;
};

// An auto-reset event object: DirectInput sets it on every change of the
// device's state, the window side when it wants the poll thread.
class SystemWakeEvent final : public WakeEvent {
 public:
  SystemWakeEvent();
  ~SystemWakeEvent() override;
  SystemWakeEvent(const SystemWakeEvent&) = delete;
  SystemWakeEvent& operator=(const SystemWakeEvent&) = delete;
  void Signal() override;
  bool Wait(uint32_t ms) override;
  void* NativeHandle() override { return event_; }

 private:
  void* event_;
};

}  // namespace qv::win32
