#pragma once
// A JoystickApi without hardware: controllers read from a controller file
// (or built in code), enumerated and read through the same steps as the real
// platform, so the joystick layer's choices and limits apply to them. A
// controller's timeline plays inside Poll on the engine's clock, with no
// thread of its own: on the virtual clock a replay gives the same result
// every run; the engine learns when the next change is due. Tests may also
// set values, fail a step or unplug the device; each change they make is
// signalled, unless the controller is one that must be polled.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/Seams.h"
#include "input/JoystickApi.h"
#include "sim/VirtualController.h"

namespace qv::sim {

enum class TVirtualStep {
  Create,
  EnumDevices,
  CreateDevice,
  EnumObjects,
  SetDataFormat,
  SetCooperativeLevel,
  SetNotification,
  Acquire
};

class TVirtualJoystick final : public input::JoystickApi {
 public:
  // time: the clock the timeline runs on; null means the engine's own.
  explicit TVirtualJoystick(std::vector<TVirtualController> controllers, Clock* time = nullptr);

  bool Create() override;
  bool EnumDevices(const std::function<void(const input::TDeviceInstance&)>& each) override;
  bool CreateDevice(const input::TGuid& instance) override;
  bool EnumObjects(const std::function<void(const input::TDeviceObject&)>& each) override;
  bool SetDataFormat(const input::TDataFormat& format) override;
  bool SetCooperativeLevel() override;
  bool SetNotification(WakeEvent& wake) override;
  bool Acquire() override;
  input::TReadResult Poll() override;
  input::TReadResult GetDeviceState(std::span<int32_t> slots) override;
  int32_t NextChangeIn() override;
  void ReleaseDevice() override;
  void ReleaseAll() override;

  // Any thread: the created controller's control of that kind and instance;
  // signals the change as a real device would.
  void Set(TControlKind kind, int32_t instance, int32_t value);
  // The step fails from now on (Acquire also when acquiring again).
  void Fail(TVirtualStep step) { failing_[static_cast<size_t>(step)] = true; }
  // What Poll answers from now on: Lost is an unplugged device. A real
  // device need not signal that it has gone: signals=false is one that doesn't.
  void SetReading(input::TReadResult result, bool signals = true);
  int AcquireCount() const { return acquires_.load(); }
  // Each time the timeline starts over from its beginning (at the first
  // acquire after set-up), the clock's time is written into file, one number
  // and a line end: a measuring tool then knows when each change was due on
  // the clock that stamps key messages. Empty: nothing is written.
  void ReportTimelineStart(std::u16string file) { startFile_ = std::move(file); }
  // The data format as last set, with each type id copied out.
  struct TSlot {
    input::TGuid Type;
    uint32_t Offset;
    uint32_t TypeWord;
    uint32_t Flags;
  };
  const std::vector<TSlot>& Format() const { return format_; }
  uint32_t FormatFlags() const { return formatFlags_; }

 private:
  bool Failing(TVirtualStep step) const { return failing_[static_cast<size_t>(step)]; }
  void PlayTimeline();
  void Store(size_t control, int32_t value);
  void Signal();

  std::vector<TVirtualController> controllers_;
  Clock* time_;
  std::array<bool, 8> failing_{};
  std::atomic<WakeEvent*> wake_{nullptr};  // set up, and not yet released
  std::atomic<input::TReadResult> reading_{input::TReadResult::Ok};
  std::atomic<int> acquires_{0};
  bool created_ = false;
  const TVirtualController* device_ = nullptr;
  std::vector<int32_t> values_;   // one per control of device_
  std::vector<int> slotControl_;  // control index per slot, -1 for none
  std::vector<TSlot> format_;
  uint32_t formatFlags_ = 0;
  uint32_t dataSize_ = 0;
  bool acquired_ = false;
  uint32_t timelineStart_ = 0;
  size_t nextEvent_ = 0;
  std::u16string startFile_;
};

// The environment variable that names a controller file for the program.
constexpr char VirtualJoystickVariable[] = "QUORVEX_VIRTUAL_JOYSTICK";
// The one that names the file where its timeline's start is written.
constexpr char TimelineStartVariable[] = "QUORVEX_TIMELINE_START";

// The virtual joystick of the file named by QUORVEX_VIRTUAL_JOYSTICK, or null
// when the variable is not set (the platform's joystick is used then); it
// reports its timeline's start where QUORVEX_TIMELINE_START says.
// Raises EControllerFile for a file that cannot be used.
std::unique_ptr<TVirtualJoystick> VirtualJoystickFromEnvironment();

}  // namespace qv::sim
