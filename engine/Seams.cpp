#include "engine/Seams.h"

namespace qv {
namespace {

class NullKeyboard final : public KeyboardOutput {
 public:
  void Send(std::span<const TKeyInput>) override {}
};

class NullLayout final : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint32_t) override { return 0; }
  std::u16string KeyName(int32_t) override { return {}; }
};

class NullClock final : public Clock {
 public:
  uint32_t Now() override { return 0; }
  void Sleep(uint32_t) override {}
};

NullKeyboard nullKeyboard;
NullLayout nullLayout;
NullClock nullClock;
TPortableWake portableWake;
TEngineSeams seams{&nullKeyboard, &nullLayout, &nullClock, &portableWake};

}  // namespace

TEngineSeams& Seams() { return seams; }

void InstallSeams(KeyboardOutput* keyboard, KeyboardLayout* layout, Clock* time) {
  seams.Keyboard = keyboard ? keyboard : &nullKeyboard;
  seams.Layout = layout ? layout : &nullLayout;
  seams.Time = time ? time : &nullClock;
}

void InstallWake(WakeEvent* wake) { seams.Wake = wake ? wake : &portableWake; }

}  // namespace qv
