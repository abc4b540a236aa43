#pragma once
// The joystick of engine tests and benchmarks: a plain virtual controller set
// up through the real joystick layer, whose poll becomes the engine's device
// poll. A value written here reaches the engine at its next read, as a real
// control's would; writes may come from any thread.
#include <cstdint>
#include <memory>

#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"

namespace qv::sim {

// How the device tells the engine of its changes.
enum class TReporting { Signals, Polled, SignalsFail, NeverSignals };

class TStandInDevice {
 public:
  TStandInDevice() = default;
  TStandInDevice(const TStandInDevice&) = delete;
  TStandInDevice& operator=(const TStandInDevice&) = delete;

  // A controller of that many axes, buttons and hats, control k of each kind
  // with Index k; installs the engine's device poll.
  void Attach(int axes, int buttons, int hats, TReporting reporting = TReporting::Signals);
  void Axis(int k, int32_t v) { api_->Set(TControlKind::Axis, k, v); }
  void Button(int b, int32_t v) { api_->Set(TControlKind::Button, b, v); }
  void Hat(int h, int32_t v) { api_->Set(TControlKind::Hat, h, v); }
  // The device stops answering, as when unplugged, and comes back.
  void Unplug(bool signals = true) { api_->SetReading(input::TReadResult::Lost, signals); }
  void Replug() { api_->SetReading(input::TReadResult::Ok); }

 private:
  std::unique_ptr<TVirtualJoystick> api_;
  input::TJoystick joystick_;  // after api_: shut down before it goes
};

}  // namespace qv::sim
