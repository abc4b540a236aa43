#pragma once
// The engine's only contact with the platform: keyboard records out, the
// keyboard layout, and time. The composition root installs the real ones;
// tests and benchmarks install the stand-ins from sim/.
#include <cstdint>
#include <span>
#include <string>

#include "engine/Wake.h"

namespace qv {

// Flag bits of a keyboard record, equal to the platform's own values.
constexpr uint32_t KeyFlagExtended = 0x0001;
constexpr uint32_t KeyFlagUp = 0x0002;

struct TKeyInput {
  uint16_t Vk = 0;
  uint16_t Scan = 0;
  uint32_t Flags = 0;
  // The time the receiver reads on the key's message, on the tick count's
  // reckoning; 0 lets the system stamp it as it goes out. Timed holds carry
  // their own, so the hold a receiver measures is the one that was sent.
  uint32_t Time = 0;
  bool operator==(const TKeyInput&) const = default;
};

class KeyboardOutput {
 public:
  virtual ~KeyboardOutput() = default;
  // One platform call: the records reach the input queue together.
  virtual void Send(std::span<const TKeyInput> records) = 0;
};

class KeyboardLayout {
 public:
  virtual ~KeyboardLayout() = default;
  virtual uint16_t ScanCodeOf(uint32_t vkey) = 0;
  // Key name for the platform's key-name parameter: scan code << 16, bit 24 = extended.
  virtual std::u16string KeyName(int32_t keyParam) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds, wrapping at 32 bits.
  virtual uint32_t Now() = 0;
  virtual void Sleep(uint32_t ms) = 0;
  // Sleeps until wake is signalled or ms have passed; true when signalled.
  virtual bool Wait(WakeEvent& wake, uint32_t ms) { return wake.Wait(ms); }
  // The same for a key record due exactly then: a tap's hold is only as
  // exact as the wake that ends it, which may cost a little processor time.
  virtual bool WaitPrecisely(WakeEvent& wake, uint32_t ms) { return Wait(wake, ms); }
  // Held while the poll thread runs, so that short sleeps really are short.
  virtual void HoldPrecision(bool /*on*/) {}
};

struct TEngineSeams {
  KeyboardOutput* Keyboard;
  KeyboardLayout* Layout;
  Clock* Time;
  WakeEvent* Wake;
};

// Never null: until something is installed, keys go nowhere and time stands still.
TEngineSeams& Seams();
void InstallSeams(KeyboardOutput* keyboard, KeyboardLayout* layout, Clock* time);
// The platform's event where a device must be handed one; null: our own.
void InstallWake(WakeEvent* wake);

}  // namespace qv
