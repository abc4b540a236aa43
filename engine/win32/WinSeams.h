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

// GetTickCount and Sleep. While precision is held the system timer runs at
// 1 ms, so the poll thread's 5 ms waits are 5 ms and not a whole 15.6 ms tick.
class SystemClock : public Clock {
 public:
  uint32_t Now() override;
  void Sleep(uint32_t ms) override;
  void HoldPrecision(bool on) override;
};

// The same waits, with a time that moves a millisecond at a time, for holds
// that are measured: GetTickCount moves in steps of the system tick (15.6 ms
// on Windows; under Wine the wineserver refreshes it about every 16 ms), so a
// hold timed by it can last a tick more or less than meant. It counts with
// the performance counter from the tick count at its making, so its times
// stay on the reckoning that stamps key messages; make one for each spell of
// measuring, as the two counters may part over days (a machine that slept).
class PreciseClock final : public SystemClock {
 public:
  PreciseClock();
  uint32_t Now() override;

 private:
  uint32_t startTick_;
  int64_t startCount_ = 0;
  int64_t frequency_ = 1;
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
