#pragma once
// A stand-in joystick wired into the device lists, the stand-in seams, and
// helpers to describe levers and keys in a few words.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <initializer_list>

#include "engine/Evaluate.h"
#include "engine/Hooks.h"
#include "engine/KeyOutput.h"
#include "engine/KeySchedule.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/StandInDevice.h"
#include "sim/UsLayout.h"

namespace qv::test {

using sim::TStandInDevice;

inline TKeyAction Key(int32_t vk, uint16_t modifiers = 0, int32_t repeat = 1) {
  TKeyAction a;
  a.Vkey = vk;
  a.Modifiers = modifiers;
  a.Repeat = repeat;
  return a;
}

inline TKeyInput Down(uint16_t vk, uint16_t scan, uint32_t flags = 0) { return {vk, scan, flags}; }
inline TKeyInput Up(uint16_t vk, uint16_t scan, uint32_t flags = 0) { return {vk, scan, flags | KeyFlagUp}; }

inline void MakeLever(int index, std::initializer_list<int32_t> values) {
  TAxisSettings& s = JoySettings.Axes[static_cast<size_t>(index)];
  s = TAxisSettings{};
  s.Type = atMultipos;
  s.Count = static_cast<int32_t>(values.size());
  int i = 0;
  for (int32_t v : values) s.Value[static_cast<size_t>(i++)] = v;
}

// The four-notch lever the examples use: rest values 1000, 20000, 40000, 64000.
inline void MakeFourNotchLever(int index) { MakeLever(index, {1000, 20000, 40000, 64000}); }

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every test starts as a fresh program does: following, nothing asked of
    // the thread but a full synchronisation.
    PauseRequest = false;
    Suspended = false;
    ResyncRequest = true;
    InstallSeams(&keyboard, &layout, &clock);
    EngineHooks = TEngineHooks{};
    JoySettings = TJoySettings{};
    device.Attach(2, 4, 1);
    for (TProfileAxis& a : ProfileAxes) a.Synced = false;
    ResetProfile();
    // Trackers hold pointers into the device's slots: drop the previous
    // test's, whose device is gone.
    RebuildTrackers();
    StopAutoRepeat();
  }
  void TearDown() override {
    PauseRequest = false;
    Suspended = false;
    ExitRequest = false;
    StopAutoRepeat();
    InstallSeams(nullptr, nullptr, nullptr);
    // Whatever a test left queued goes nowhere.
    SettleSchedule(TSettle::Drop);
    FreezeSteps(false);
    EngineHooks = TEngineHooks{};
  }
  // What a thread start does, without the thread.
  void StartEngine(TSyncMode mode = TSyncMode::Full) {
    RebuildTrackers();
    Synchronise(mode);
    ResetRunTimeState();
    Evaluate(false);
  }

  sim::VirtualClock clock{1000};
  sim::RecordingKeyboard keyboard{&clock};
  sim::UsLayout layout;
  TStandInDevice device;
};

}  // namespace qv::test
