#pragma once
// The platform below the joystick layer, one call per step of setting up and
// reading a game controller. DirectInput 8 implements it on Windows; the
// virtual joystick implements it for tests and for trying a profile without
// hardware. Implementations only translate and report; every decision (which
// device, which objects, what a failure means) is the layer's.
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace qv {
class WakeEvent;
}

namespace qv::input {

// A platform type or instance identifier, laid out as the platform's own.
struct TGuid {
  uint32_t Data1 = 0;
  uint16_t Data2 = 0;
  uint16_t Data3 = 0;
  std::array<uint8_t, 8> Data4{};
  bool operator==(const TGuid&) const = default;
};

// Bits of an object's type word, as the platform reports them.
constexpr uint32_t TypeRelAxis = 0x01;
constexpr uint32_t TypeAbsAxis = 0x02;
constexpr uint32_t TypeAxis = TypeRelAxis | TypeAbsAxis;
constexpr uint32_t TypePushButton = 0x04;
constexpr uint32_t TypeToggleButton = 0x08;
constexpr uint32_t TypeButton = TypePushButton | TypeToggleButton;
constexpr uint32_t TypePov = 0x10;
// The object's instance number: bits 8 to 23.
constexpr uint32_t InstanceOf(uint32_t typeWord) { return (typeWord >> 8) & 0xFFFF; }
constexpr uint32_t MakeInstance(uint32_t instance) { return (instance & 0xFFFF) << 8; }

// Data format flag: axes report absolute values.
constexpr uint32_t FormatAbsAxis = 1;

struct TDeviceInstance {
  TGuid Instance;
  std::u16string Name;
};

struct TDeviceObject {
  TGuid Type;
  uint32_t TypeWord = 0;
  uint32_t Flags = 0;
  std::u16string Name;
};

// One slot of the device state: where the object's 32-bit value goes.
struct TObjectFormat {
  const TGuid* Type = nullptr;
  uint32_t Offset = 0;
  uint32_t TypeWord = 0;
  uint32_t Flags = 0;
};

struct TDataFormat {
  uint32_t Flags = 0;
  uint32_t DataSize = 0;
  std::span<const TObjectFormat> Objects;
};

// Reading answers: Lost is the device gone away or no longer acquired,
// after which acquiring again may bring it back.
enum class TReadResult { Ok, Lost, Failed };

class JoystickApi {
 public:
  virtual ~JoystickApi() = default;
  virtual bool Create() = 0;
  // Once per attached game controller, in the platform's order; false if the
  // enumeration itself failed.
  virtual bool EnumDevices(const std::function<void(const TDeviceInstance&)>& each) = 0;
  virtual bool CreateDevice(const TGuid& instance) = 0;
  // Axes, buttons and hats of the created device, in the platform's order.
  virtual bool EnumObjects(const std::function<void(const TDeviceObject&)>& each) = 0;
  virtual bool SetDataFormat(const TDataFormat& format) = 0;
  // Shared access, read also while another program has the focus.
  virtual bool SetCooperativeLevel() = 0;
  // Before Acquire: the device is to signal wake on every change of its
  // state. False when it cannot (it must be polled) or the set-up failed;
  // the layer then reads it on a fixed period.
  virtual bool SetNotification(WakeEvent& wake) = 0;
  virtual bool Acquire() = 0;
  virtual TReadResult Poll() = 0;
  virtual TReadResult GetDeviceState(std::span<int32_t> slots) = 0;
  // Ms until the state is due to change by itself, without a signal (a
  // replayed recording); -1 for a real device, whose changes come as they come.
  virtual int32_t NextChangeIn() { return -1; }
  // Unacquires and releases the device, if any.
  virtual void ReleaseDevice() = 0;
  // The device first, then the platform object.
  virtual void ReleaseAll() = 0;
};

}  // namespace qv::input
