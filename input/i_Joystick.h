#pragma once
// The one game controller the program reads: chosen and set up once at
// start-up, then polled by the poll thread. The engine's device lists
// (JoyAxes, JoyButtons, JoyHats) are filled here and point into the state
// buffer this layer owns.
#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "input/JoystickApi.h"

namespace qv::input {

constexpr int MaxDeviceNames = 16;
constexpr int MaxSlots = 256;
// A device that cannot be read for this long is taken as gone until it comes
// back; acquiring it again is tried no more often than this either.
constexpr uint32_t LostDeviceMs = 500;

class TJoystick {
 public:
  TJoystick() = default;
  ~TJoystick();
  TJoystick(const TJoystick&) = delete;
  TJoystick& operator=(const TJoystick&) = delete;

  // The "BindToJoystick" setting; empty means the first controller.
  void SetPreferredName(std::u16string name) { preferred_ = std::move(name); }
  const std::u16string& PreferredName() const { return preferred_; }
  // Chooses and sets up a controller through api, which must outlive the
  // set-up until Shutdown. Raises EMultilang with the failing step's message
  // id, after releasing whatever was set up.
  void Initialise(JoystickApi& api);
  // Refreshes the state buffer; true when the device state was read. On a
  // failure every slot keeps its previous value.
  bool Poll();
  void Shutdown();

  std::span<const std::u16string> DeviceNames() const {
    return {names_.data(), static_cast<size_t>(nameCount_)};
  }
  const std::u16string& ChosenName() const { return chosen_.Name; }
  bool BindingPending() const { return bindingPending_; }
  bool StateValid() const { return stateValid_.load(std::memory_order_relaxed); }
  // The device signals the engine's wake on every change: no need to poll it.
  bool Signals() const { return signals_.load(std::memory_order_relaxed); }
  // Poll thread: the device did not signal a change; it is read on the fixed
  // period until it is set up again.
  void DistrustSignals() { signals_.store(false, std::memory_order_relaxed); }
  int32_t NextChangeIn() const { return api_ != nullptr ? api_->NextChangeIn() : -1; }
  int SlotCount() const { return slotCount_; }
  // The value last read of the axis at this position of JoyAxes, as the poll
  // thread may be writing it; 0 for a position past the list.
  int32_t AxisValue(int axis) const;
  // Whether any button was down at the last read.
  bool AnyButtonDown() const;

 private:
  void SetUp(JoystickApi& api);
  void ChooseDevice(JoystickApi& api);
  void OfferDevice(const TDeviceInstance& device);
  void AddObject(const TDeviceObject& object);
  void ReacquireWhenDue();

  JoystickApi* api_ = nullptr;
  std::u16string preferred_;
  std::array<std::u16string, MaxDeviceNames> names_;
  int nameCount_ = 0;
  TDeviceInstance chosen_;
  bool bindingPending_ = false;

  int slotCount_ = 0;
  std::array<TGuid, MaxSlots> typeCopies_{};
  std::array<TObjectFormat, MaxSlots> objects_{};
  // What the poll thread reads; written only slot by slot with atomic stores.
  std::vector<int32_t> buffer_;
  // What the platform writes into: a failed fetch never reaches buffer_.
  std::array<int32_t, MaxSlots> fetch_{};
  std::atomic<bool> stateValid_{false};
  std::atomic<bool> signals_{false};

  bool reacquireTried_ = false;
  uint32_t lastReacquire_ = 0;
};

// Makes joystick the engine's device: its poll, whether it signals its
// changes (until it is caught not doing so), and when a change of its own is due.
void InstallAsEngineDevice(TJoystick& joystick);

}  // namespace qv::input
