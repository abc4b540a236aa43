#include "input/i_Joystick.h"

#include <algorithm>

#include "engine/Hooks.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
#include "lang/EMultilang.h"

namespace qv::input {
namespace {

[[noreturn]] void Fail(const char16_t* id, const char16_t* builtIn) { throw lang::EMultilang(id, builtIn); }

struct TListLimit {
  TJoyControlData* List;
  int* Count;
  int Capacity;
};

void SortByIndex(TJoyControlData* list, int count) {
  std::stable_sort(list, list + count,
                   [](const TJoyControlData& a, const TJoyControlData& b) { return a.Index < b.Index; });
}

}  // namespace

TJoystick::~TJoystick() { Shutdown(); }

void TJoystick::Initialise(JoystickApi& api) {
  Shutdown();
  bindingPending_ = !preferred_.empty();
  api_ = &api;
  try {
    SetUp(api);
  } catch (...) {
    // Nothing half set up stays behind, and api may go away now.
    Shutdown();
    throw;
  }
}

void TJoystick::SetUp(JoystickApi& api) {
  if (!api.Create()) Fail(u"exCantCreateDx", u"Cannot create DirectX8 object.");
  ChooseDevice(api);
  api.ReleaseDevice();
  if (!api.CreateDevice(chosen_.Instance)) Fail(u"exCantCreateJoy", u"Cannot create DirectX8 joystick.");

  JoyAxisCount = 0;
  JoyButtonCount = 0;
  JoyHatCount = 0;
  slotCount_ = 0;
  // DirectInput writes one byte per button: the other three must start at 0.
  buffer_.assign(MaxSlots, 0);
  fetch_.fill(0);
  if (!api.EnumObjects([this](const TDeviceObject& object) { AddObject(object); }))
    Fail(u"exCantEnumerateControls", u"Cannot enumerate controls of DirectX8 joystick.");
  SortByIndex(JoyAxes.data(), JoyAxisCount);
  SortByIndex(JoyButtons.data(), JoyButtonCount);
  SortByIndex(JoyHats.data(), JoyHatCount);

  const auto slots = static_cast<uint32_t>(slotCount_);
  const TDataFormat format{FormatAbsAxis, 4 * slots, {objects_.data(), slots}};
  if (!api.SetDataFormat(format))
    Fail(u"exCantSetDataFormat", u"Cannot set data format of DirectX8 joystick.");
  if (!api.SetCooperativeLevel()) Fail(u"exCantSetCoopLevel", u"Cannot set coop level of DirectX8 joystick.");
  // A device that cannot signal is polled instead: not a failure.
  signals_.store(api.SetNotification(*Seams().Wake), std::memory_order_relaxed);
  if (!api.Acquire()) Fail(u"exCantAcquire", u"Cannot acquire DirectX8 joystick.");
  reacquireTried_ = false;
}

void TJoystick::ChooseDevice(JoystickApi& api) {
  nameCount_ = 0;
  chosen_ = {};
  const bool listed = api.EnumDevices([this](const TDeviceInstance& device) { OfferDevice(device); });
  if (!listed || nameCount_ == 0) Fail(u"exNoJoy", u"No attached joysticks found.");
}

void TJoystick::OfferDevice(const TDeviceInstance& device) {
  if (nameCount_ == 0) chosen_ = device;
  if (nameCount_ < MaxDeviceNames) names_[static_cast<size_t>(nameCount_++)] = device.Name;
  // The last controller of that name wins, as the settings dialog lists them.
  if (!preferred_.empty() && device.Name == preferred_) {
    chosen_ = device;
    bindingPending_ = false;
  }
}

void TJoystick::AddObject(const TDeviceObject& object) {
  TListLimit list{};
  if ((object.TypeWord & TypeAxis) != 0) {
    list = {JoyAxes.data(), &JoyAxisCount, MaxAxes};
  } else if ((object.TypeWord & TypeButton) != 0) {
    list = {JoyButtons.data(), &JoyButtonCount, MaxButtons};
  } else if ((object.TypeWord & TypePov) != 0) {
    list = {JoyHats.data(), &JoyHatCount, MaxHats};
  } else {
    return;
  }
  const auto instance = static_cast<int32_t>(InstanceOf(object.TypeWord));
  // A device may report one instance number twice: the list must still not overflow.
  if (instance >= list.Capacity || *list.Count >= list.Capacity || slotCount_ >= MaxSlots) return;
  const auto n = static_cast<size_t>(slotCount_);
  list.List[*list.Count] = {object.Name, instance, &buffer_[n]};
  ++*list.Count;
  typeCopies_[n] = object.Type;
  objects_[n] = {&typeCopies_[n], static_cast<uint32_t>(4 * n), object.TypeWord, object.Flags};
  ++slotCount_;
}

bool TJoystick::Poll() {
  if (api_ == nullptr || buffer_.empty()) {
    stateValid_.store(false, std::memory_order_relaxed);
    return false;
  }
  TReadResult result = api_->Poll();
  if (result == TReadResult::Ok)
    result = api_->GetDeviceState({fetch_.data(), static_cast<size_t>(slotCount_)});
  const bool valid = result == TReadResult::Ok;
  if (valid) {
    for (int i = 0; i < slotCount_; ++i) {
      const auto n = static_cast<size_t>(i);
      std::atomic_ref<int32_t>(buffer_[n]).store(fetch_[n], std::memory_order_relaxed);
    }
    reacquireTried_ = false;
  } else if (result == TReadResult::Lost) {
    ReacquireWhenDue();
  }
  stateValid_.store(valid, std::memory_order_relaxed);
  return valid;
}

int32_t TJoystick::AxisValue(int axis) const {
  if (axis < 0 || axis >= JoyAxisCount || JoyAxes[static_cast<size_t>(axis)].Value == nullptr) return 0;
  return RtLoad(*JoyAxes[static_cast<size_t>(axis)].Value);
}

bool TJoystick::AnyButtonDown() const {
  for (int b = 0; b < JoyButtonCount; ++b) {
    const int32_t* slot = JoyButtons[static_cast<size_t>(b)].Value;
    if (slot != nullptr && RtLoad(*slot) != 0) return true;
  }
  return false;
}

void TJoystick::ReacquireWhenDue() {
  const uint32_t now = Seams().Time->Now();
  if (reacquireTried_ && now - lastReacquire_ < LostDeviceMs) return;
  reacquireTried_ = true;
  lastReacquire_ = now;
  api_->Acquire();
}

void TJoystick::Shutdown() {
  JoyAxisCount = 0;
  JoyButtonCount = 0;
  JoyHatCount = 0;
  slotCount_ = 0;
  stateValid_.store(false, std::memory_order_relaxed);
  signals_.store(false, std::memory_order_relaxed);
  if (api_ != nullptr) api_->ReleaseAll();
  api_ = nullptr;
  buffer_ = {};
  nameCount_ = 0;
  chosen_ = {};
}

void InstallAsEngineDevice(TJoystick& joystick) {
  EngineHooks.PollDevice = [&joystick] { return joystick.Poll(); };
  EngineHooks.DeviceSignals = [&joystick] { return joystick.Signals(); };
  EngineHooks.DeviceSignalMissed = [&joystick] { joystick.DistrustSignals(); };
  EngineHooks.DeviceDueIn = [&joystick] { return joystick.NextChangeIn(); };
}

}  // namespace qv::input
