#include "sim/VirtualJoystick.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "base/Environment.h"

namespace qv::sim {
namespace {

using input::TGuid;
using input::TReadResult;

// Identifiers of our own: controller n, and one type id per kind of object.
TGuid ControllerGuid(size_t n) { return {0x51760000u + static_cast<uint32_t>(n), 0x5156, 0x4A4F, {}}; }
TGuid KindGuid(TControlKind kind) { return {0x51765400u + static_cast<uint32_t>(kind), 0x5156, 0x4A4F, {}}; }

uint32_t TypeWordOf(const TVirtualControl& c) {
  const uint32_t type = c.Kind == TControlKind::Axis     ? input::TypeAbsAxis
                        : c.Kind == TControlKind::Button ? input::TypePushButton
                                                         : input::TypePov;
  return type | input::MakeInstance(static_cast<uint32_t>(c.Instance));
}

int32_t RestValue(TControlKind kind) { return kind == TControlKind::Hat ? -1 : 0; }

}  // namespace

TVirtualJoystick::TVirtualJoystick(std::vector<TVirtualController> controllers, Clock* time)
    : controllers_(std::move(controllers)), time_(time) {}

bool TVirtualJoystick::Create() {
  created_ = !Failing(TVirtualStep::Create);
  return created_;
}

bool TVirtualJoystick::EnumDevices(const std::function<void(const input::TDeviceInstance&)>& each) {
  if (!created_ || Failing(TVirtualStep::EnumDevices)) return false;
  for (size_t n = 0; n < controllers_.size(); ++n) each({ControllerGuid(n), controllers_[n].Name});
  return true;
}

bool TVirtualJoystick::CreateDevice(const TGuid& instance) {
  if (!created_ || Failing(TVirtualStep::CreateDevice)) return false;
  for (size_t n = 0; n < controllers_.size(); ++n) {
    if (ControllerGuid(n) != instance) continue;
    device_ = &controllers_[n];
    values_.clear();
    for (const TVirtualControl& c : device_->Controls) values_.push_back(RestValue(c.Kind));
    return true;
  }
  return false;
}

bool TVirtualJoystick::EnumObjects(const std::function<void(const input::TDeviceObject&)>& each) {
  if (device_ == nullptr || Failing(TVirtualStep::EnumObjects)) return false;
  for (const TVirtualControl& c : device_->Controls) each({KindGuid(c.Kind), TypeWordOf(c), 0, c.Name});
  return true;
}

bool TVirtualJoystick::SetDataFormat(const input::TDataFormat& format) {
  if (device_ == nullptr || Failing(TVirtualStep::SetDataFormat)) return false;
  // As the platform does: every slot must name an object of the device.
  std::vector<int> slots;
  std::vector<TSlot> copy;
  for (const input::TObjectFormat& object : format.Objects) {
    int found = -1;
    for (size_t i = 0; i < device_->Controls.size() && found < 0; ++i) {
      if (TypeWordOf(device_->Controls[i]) == object.TypeWord) found = static_cast<int>(i);
    }
    if (found < 0 || object.Type == nullptr || object.Offset + 4 > format.DataSize) return false;
    slots.push_back(found);
    copy.push_back({*object.Type, object.Offset, object.TypeWord, object.Flags});
  }
  slotControl_ = std::move(slots);
  format_ = std::move(copy);
  formatFlags_ = format.Flags;
  dataSize_ = format.DataSize;
  return true;
}

bool TVirtualJoystick::SetCooperativeLevel() {
  return device_ != nullptr && !Failing(TVirtualStep::SetCooperativeLevel);
}

bool TVirtualJoystick::SetNotification(WakeEvent& wake) {
  if (device_ == nullptr || device_->Polled || Failing(TVirtualStep::SetNotification)) return false;
  // A driver that never signals takes the event all the same.
  if (!device_->NeverSignals) wake_.store(&wake);
  return true;
}

bool TVirtualJoystick::Acquire() {
  acquires_.fetch_add(1);
  if (device_ == nullptr || Failing(TVirtualStep::Acquire)) return false;
  if (!acquired_) {
    acquired_ = true;
    timelineStart_ = (time_ ? time_ : Seams().Time)->Now();
    nextEvent_ = 0;
    if (!startFile_.empty())
      std::ofstream(std::filesystem::path(startFile_), std::ios::binary) << timelineStart_ << '\n';
  }
  return true;
}

TReadResult TVirtualJoystick::Poll() {
  if (!acquired_) return TReadResult::Lost;
  PlayTimeline();
  return reading_.load();
}

void TVirtualJoystick::PlayTimeline() {
  const std::vector<TTimelineEvent>& events = device_->Timeline;
  if (events.empty()) return;
  const uint32_t now = (time_ ? time_ : Seams().Time)->Now();
  for (;;) {
    const uint32_t elapsed = now - timelineStart_;
    while (nextEvent_ < events.size() && events[nextEvent_].At <= elapsed) {
      Store(events[nextEvent_].Control, events[nextEvent_].Value);
      ++nextEvent_;
    }
    if (!device_->Loop || nextEvent_ < events.size() || elapsed < device_->Length) return;
    timelineStart_ += device_->Length;
    nextEvent_ = 0;
  }
}

int32_t TVirtualJoystick::NextChangeIn() {
  // Its timeline's changes come unannounced, as a real device's would.
  if (!acquired_ || device_->NeverSignals || device_->Timeline.empty()) return -1;
  const uint32_t elapsed = (time_ ? time_ : Seams().Time)->Now() - timelineStart_;
  if (nextEvent_ < device_->Timeline.size())
    return static_cast<int32_t>(std::max<int64_t>(0, int64_t{device_->Timeline[nextEvent_].At} - elapsed));
  if (!device_->Loop) return -1;
  return static_cast<int32_t>(std::max<int64_t>(0, int64_t{device_->Length} - elapsed));
}

TReadResult TVirtualJoystick::GetDeviceState(std::span<int32_t> slots) {
  if (!acquired_) return TReadResult::Lost;
  if (slots.size_bytes() != dataSize_) return TReadResult::Failed;
  const TReadResult result = reading_.load();
  if (result != TReadResult::Ok) return result;
  for (const TSlot& slot : format_) {
    const auto control = static_cast<size_t>(slotControl_[slot.Offset / 4]);
    const int32_t value = std::atomic_ref<int32_t>(values_[control]).load(std::memory_order_relaxed);
    auto* bytes = reinterpret_cast<unsigned char*>(slots.data()) + slot.Offset;
    if (device_->Controls[control].Kind == TControlKind::Button) {
      // One byte per button, high bit set while pressed; the rest is left alone.
      *bytes = value != 0 ? 0x80 : 0;
    } else {
      std::memcpy(bytes, &value, sizeof value);
    }
  }
  return TReadResult::Ok;
}

void TVirtualJoystick::Store(size_t control, int32_t value) {
  std::atomic_ref<int32_t>(values_[control]).store(value, std::memory_order_relaxed);
}

void TVirtualJoystick::Signal() {
  if (WakeEvent* wake = wake_.load()) wake->Signal();
}

void TVirtualJoystick::Set(TControlKind kind, int32_t instance, int32_t value) {
  if (device_ == nullptr) return;
  for (size_t i = 0; i < device_->Controls.size(); ++i) {
    if (device_->Controls[i].Kind == kind && device_->Controls[i].Instance == instance) Store(i, value);
  }
  Signal();
}

void TVirtualJoystick::SetReading(TReadResult result, bool signals) {
  reading_.store(result);
  if (signals) Signal();
}

void TVirtualJoystick::ReleaseDevice() {
  wake_.store(nullptr);
  acquired_ = false;
  device_ = nullptr;
  format_.clear();
  slotControl_.clear();
}

void TVirtualJoystick::ReleaseAll() {
  ReleaseDevice();
  created_ = false;
}

std::unique_ptr<TVirtualJoystick> VirtualJoystickFromEnvironment() {
  const std::u16string file = EnvironmentVariable(VirtualJoystickVariable);
  if (file.empty()) return nullptr;
  auto joystick = std::make_unique<TVirtualJoystick>(LoadVirtualControllers(file));
  joystick->ReportTimelineStart(EnvironmentVariable(TimelineStartVariable));
  return joystick;
}

}  // namespace qv::sim
