#include "tools/Replay.h"

#include "base/Utf.h"
#include "engine/Hooks.h"
#include "engine/KeyOutput.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Sound.h"
#include "engine/SysCmd.h"
#include "engine/Tracker.h"
#include "input/i_Joystick.h"
#include "sim/Clocks.h"
#include "sim/FakeMixer.h"
#include "sim/RecordingKeyboard.h"
#include "sim/UsLayout.h"
#include "sim/VirtualJoystick.h"
#include "storage/ProfileFile.h"

namespace qv::tool {
namespace {

// The virtual clock, on which polling stops at the end of the replay: the
// wait that would pass the end moves the time to the end and asks the loop
// to stop, as stop polling asks the program's thread.
class TStoppingClock final : public Clock {
 public:
  uint32_t Now() override { return time_.Now(); }
  void Sleep(uint32_t ms) override { time_.Sleep(ms); }
  bool Wait(WakeEvent& wake, uint32_t ms) override {
    if (wake.Wait(0)) return true;
    const uint32_t left = static_cast<int32_t>(end_ - Now()) > 0 ? end_ - Now() : 0;
    if (ms < left) {
      time_.Advance(ms);
      return false;
    }
    time_.Advance(left);
    TerminateRequest.store(true);
    return true;
  }
  void StopAt(uint32_t end) { end_ = end; }

 private:
  sim::VirtualClock time_{0};
  uint32_t end_ = 0;
};

// Every control value of the sound card, named "line control", in a fixed order.
using TMixerValues = std::vector<std::pair<std::string, std::optional<uint32_t>>>;

void AddLine(const sim::TFakeLine& line, TMixerValues& values) {
  const std::string name = ToUtf8(line.Name);
  values.emplace_back(name + " volume", line.Volume);
  values.emplace_back(name + " mute", line.Mute);
  for (const sim::TFakeLine& source : line.Sources) AddLine(source, values);
}

TMixerValues MixerValues(const sim::FakeMixerApi& mixer) {
  TMixerValues values;
  for (const sim::TFakeDevice& device : mixer.Devices) {
    for (const sim::TFakeLine& destination : device.Destinations) AddLine(destination, values);
  }
  return values;
}

// "Speakers mute 0->1", one item per control that changed.
std::string Changes(const TMixerValues& before, const TMixerValues& after) {
  std::string text;
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
    if (before[i].second == after[i].second || !before[i].second || !after[i].second) continue;
    if (!text.empty()) text += ", ";
    text +=
        before[i].first + ' ' + std::to_string(*before[i].second) + "->" + std::to_string(*after[i].second);
  }
  return text;
}

}  // namespace

struct TReplay::TParts {
  explicit TParts(std::vector<sim::TVirtualController> list) : controllers(list), api(std::move(list)) {
    mixer.Devices.push_back(sim::FakeMixerApi::SoundCard(u"Sound card"));
  }

  TStoppingClock clock;
  sim::RecordingKeyboard keyboard{&clock};
  sim::UsLayout layout;
  sim::FakeMixerApi mixer;
  std::vector<sim::TVirtualController> controllers;
  sim::TVirtualJoystick api;
  input::TJoystick joystick;
  // Each command with the number of keyboard records sent before it.
  std::vector<std::pair<size_t, TReplayEvent>> commands;

  void RecordCommand(bool up, int32_t command, int32_t count) {
    const size_t keysBefore = keyboard.Count();
    const TMixerValues before = MixerValues(mixer);
    const uint32_t time = clock.Now();
    DispatchSysCmd(up, command, count);
    TReplayEvent event{time, false, {}, {command, up, count, Changes(before, MixerValues(mixer))}};
    commands.emplace_back(keysBefore, std::move(event));
  }

  // The engine as it was before: nothing left pointing at these parts.
  void Leave() {
    StopAutoRepeat();
    CreateMixers(NoMixerApi());
    joystick.Shutdown();
    ResetProfile();
    RebuildTrackers();
    EngineHooks = TEngineHooks{};
    InstallSeams(nullptr, nullptr, nullptr);
  }

  std::vector<TReplayEvent> Events() const {
    std::vector<TReplayEvent> events;
    auto command = commands.begin();
    const std::vector<sim::TRecorded> keys = keyboard.Records();
    for (size_t i = 0; i <= keys.size(); ++i) {
      for (; command != commands.end() && command->first == i; ++command) events.push_back(command->second);
      if (i < keys.size()) events.push_back({keys[i].Time, true, {keys[i].Input, keys[i].Batch}, {}});
    }
    return events;
  }
};

TReplay::TReplay(std::vector<sim::TVirtualController> controllers)
    : parts_(std::make_unique<TParts>(std::move(controllers))) {
  InstallSeams(&parts_->keyboard, &parts_->layout, &parts_->clock);
  EngineHooks = TEngineHooks{};
  StartSystemCommands(parts_->mixer);
  EngineHooks.SysCommand = [this](bool up, int32_t command, int32_t count) {
    parts_->RecordCommand(up, command, count);
  };
  try {
    parts_->joystick.Initialise(parts_->api);
  } catch (...) {
    parts_->Leave();
    throw;
  }
  input::InstallAsEngineDevice(parts_->joystick);
}

TReplay::~TReplay() { parts_->Leave(); }

const sim::TVirtualController& TReplay::Controller() const {
  for (const sim::TVirtualController& c : parts_->controllers) {
    if (c.Name == parts_->joystick.ChosenName()) return c;
  }
  return parts_->controllers.front();
}

std::optional<std::vector<TReplayEvent>> TReplay::Run(const std::u16string& profile, uint32_t endMs) {
  if (!LoadProfile(profile)) return std::nullopt;
  // As a profile load does with the simulator in front: every control is
  // synced afresh and the thread starts active.
  ResyncRequest.store(true);
  PauseRequest.store(false);
  Suspended.store(false);
  TerminateRequest.store(false);
  parts_->clock.StopAt(endMs);
  RebuildTrackers();
  TPollLoop loop;
  loop.Begin();
  while (!TerminateRequest.load()) loop.Cycle();
  loop.End();
  TerminateRequest.store(false);
  return parts_->Events();
}

std::optional<uint32_t> NaturalEnd(const sim::TVirtualController& controller) {
  if (controller.Loop) return std::nullopt;
  return (controller.Timeline.empty() ? 0 : controller.Timeline.back().At) + 1000;
}

}  // namespace qv::tool
