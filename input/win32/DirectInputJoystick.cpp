#include "input/win32/DirectInputJoystick.h"

#include <algorithm>
#include <exception>
#include <iterator>
#include <vector>

#include "engine/Wake.h"

namespace qv::input::win32 {
namespace {

static_assert(sizeof(WCHAR) == sizeof(char16_t));

GUID ToGuid(const TGuid& g) {
  GUID out{g.Data1, g.Data2, g.Data3, {}};
  std::copy(g.Data4.begin(), g.Data4.end(), out.Data4);
  return out;
}

TGuid FromGuid(const GUID& g) {
  TGuid out{g.Data1, g.Data2, g.Data3, {}};
  std::copy(std::begin(g.Data4), std::end(g.Data4), out.Data4.begin());
  return out;
}

// The layer's callback must not unwind through DirectInput: an error stops
// the enumeration and is raised again once the platform has returned.
template <class Item, class Info>
struct TEnumContext {
  const std::function<void(const Item&)>& Each;
  Item (*Convert)(const Info&);
  std::exception_ptr Error;

  static BOOL CALLBACK Callback(const Info* info, LPVOID ref) {
    auto* self = static_cast<TEnumContext*>(ref);
    try {
      self->Each(self->Convert(*info));
      return DIENUM_CONTINUE;
    } catch (...) {
      self->Error = std::current_exception();
      return DIENUM_STOP;
    }
  }
  bool Finish(HRESULT hr) const {
    if (Error) std::rethrow_exception(Error);
    return SUCCEEDED(hr);
  }
};

TDeviceInstance DeviceOf(const DIDEVICEINSTANCEW& info) {
  return {FromGuid(info.guidInstance), reinterpret_cast<const char16_t*>(info.tszInstanceName)};
}

TDeviceObject ObjectOf(const DIDEVICEOBJECTINSTANCEW& info) {
  return {FromGuid(info.guidType), info.dwType, info.dwFlags,
          reinterpret_cast<const char16_t*>(info.tszName)};
}

}  // namespace

TReadResult ReadResultOf(HRESULT hr) {
  if (SUCCEEDED(hr)) return TReadResult::Ok;
  if (hr == DIERR_INPUTLOST || hr == DIERR_NOTACQUIRED) return TReadResult::Lost;
  return TReadResult::Failed;
}

TDirectInputJoystick::TDirectInputJoystick(DirectInputFactory factory) : factory_(std::move(factory)) {}

TDirectInputJoystick::~TDirectInputJoystick() { ReleaseAll(); }

bool TDirectInputJoystick::Create() {
  ReleaseAll();
  void* created = nullptr;
  const HRESULT hr =
      factory_(GetModuleHandleW(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8W, &created, nullptr);
  if (FAILED(hr) || created == nullptr) return false;
  *input_.Put() = static_cast<IDirectInput8W*>(created);
  return true;
}

bool TDirectInputJoystick::EnumDevices(const std::function<void(const TDeviceInstance&)>& each) {
  if (!input_) return false;
  using Context = TEnumContext<TDeviceInstance, DIDEVICEINSTANCEW>;
  Context context{each, DeviceOf, nullptr};
  return context.Finish(input_->EnumDevices(DI8DEVCLASS_GAMECTRL, Context::Callback, &context, 0));
}

bool TDirectInputJoystick::CreateDevice(const TGuid& instance) {
  if (!input_) return false;
  ReleaseDevice();
  const GUID guid = ToGuid(instance);
  return SUCCEEDED(input_->CreateDevice(guid, device_.Put(), nullptr)) && device_;
}

bool TDirectInputJoystick::EnumObjects(const std::function<void(const TDeviceObject&)>& each) {
  if (!device_) return false;
  using Context = TEnumContext<TDeviceObject, DIDEVICEOBJECTINSTANCEW>;
  Context context{each, ObjectOf, nullptr};
  return context.Finish(
      device_->EnumObjects(Context::Callback, &context, DIDFT_AXIS | DIDFT_BUTTON | DIDFT_POV));
}

bool TDirectInputJoystick::SetDataFormat(const TDataFormat& format) {
  if (!device_) return false;
  // The structures' real sizes: DirectInput refuses any other.
  std::vector<GUID> types;
  std::vector<DIOBJECTDATAFORMAT> objects;
  types.reserve(format.Objects.size());
  for (const TObjectFormat& o : format.Objects) {
    types.push_back(o.Type ? ToGuid(*o.Type) : GUID{});
    objects.push_back({o.Type ? &types.back() : nullptr, o.Offset, o.TypeWord, o.Flags});
  }
  DIDATAFORMAT header{sizeof(DIDATAFORMAT), sizeof(DIOBJECTDATAFORMAT),         format.Flags,
                      format.DataSize,      static_cast<DWORD>(objects.size()), objects.data()};
  return SUCCEEDED(device_->SetDataFormat(&header));
}

bool TDirectInputJoystick::SetCooperativeLevel() {
  return device_ &&
         SUCCEEDED(device_->SetCooperativeLevel(window_.Handle(), DISCL_NONEXCLUSIVE | DISCL_BACKGROUND));
}

bool TDirectInputJoystick::SetNotification(WakeEvent& wake) {
  HANDLE event = wake.NativeHandle();
  if (!device_ || event == nullptr) return false;
  // A device that must be polled would never set the event.
  DIDEVCAPS caps{};
  caps.dwSize = sizeof caps;
  if (FAILED(device_->GetCapabilities(&caps)) || (caps.dwFlags & DIDC_POLLEDDEVICE) != 0) return false;
  notifying_ = SUCCEEDED(device_->SetEventNotification(event));
  return notifying_;
}

bool TDirectInputJoystick::Acquire() { return device_ && SUCCEEDED(device_->Acquire()); }

TReadResult TDirectInputJoystick::Poll() {
  return device_ ? ReadResultOf(device_->Poll()) : TReadResult::Failed;
}

TReadResult TDirectInputJoystick::GetDeviceState(std::span<int32_t> slots) {
  if (!device_) return TReadResult::Failed;
  return ReadResultOf(device_->GetDeviceState(static_cast<DWORD>(slots.size_bytes()), slots.data()));
}

void TDirectInputJoystick::ReleaseDevice() {
  if (device_) device_->Unacquire();
  // The event belongs to the engine and may outlive the device, or not.
  if (device_ && notifying_) device_->SetEventNotification(nullptr);
  notifying_ = false;
  device_.Reset();
}

void TDirectInputJoystick::ReleaseAll() {
  ReleaseDevice();
  input_.Reset();
}

}  // namespace qv::input::win32
