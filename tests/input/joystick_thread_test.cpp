// A real poll thread reading the virtual joystick while its timeline plays on
// the machine's clock, and the window side reading what the thread writes.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "input/i_Joystick.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/UsLayout.h"
#include "sim/VirtualJoystick.h"

namespace qv::input {
namespace {

using sim::TControlKind;

TEST(JoystickThreadTest, PollThreadFollowsATimelineWhileTheWindowSideReads) {
  sim::SteadyClock clock;
  sim::RecordingKeyboard keyboard{&clock};
  sim::UsLayout layout;
  InstallSeams(&keyboard, &layout, &clock);

  // A lever that goes from notch 1 to notch 3 and back every 60 ms, and a
  // button pressed for the middle of each round.
  sim::TVirtualController pad = sim::PlainController(u"Pad", 1, 1, 0);
  pad.Loop = true;
  pad.Length = 60;
  pad.Timeline = {{0, 0, 1000}, {20, 0, 40000}, {20, 1, 1}, {40, 0, 1000}, {40, 1, 0}};
  sim::TVirtualJoystick api({pad});
  TJoystick joystick;
  joystick.Initialise(api);

  JoySettings = TJoySettings{};
  TAxisSettings& lever = JoySettings.Axes[0];
  lever.Type = atMultipos;
  lever.Count = 3;
  lever.Value[0] = 1000;
  lever.Value[1] = 20000;
  lever.Value[2] = 40000;
  ResetProfile();
  ProfileAxes[0].Up.Vkey = 0x26;
  ProfileAxes[0].Down.Vkey = 0x28;
  ProfileAxes[0].Position(3).Events.Hold.Vkey = 0x41;
  ProfileButtons[0].Events.Hold.Vkey = 0x42;
  EngineHooks = TEngineHooks{};
  EngineHooks.PollDevice = [&joystick] { return joystick.Poll(); };

  ResyncRequest = true;
  StartPolling();
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(400);
  int validReads = 0;
  int levelsSeen = 0;
  while (std::chrono::steady_clock::now() < end) {
    validReads += joystick.StateValid();
    levelsSeen |= 1 << RtLoad(ProfileAxes[0].CurrentPos);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  StopPolling();
  EngineHooks = TEngineHooks{};
  joystick.Shutdown();
  InstallSeams(nullptr, nullptr, nullptr);

  EXPECT_GT(validReads, 0);
  EXPECT_EQ(levelsSeen & 0b1010, 0b1010);  // notches 1 and 3 both seen from here
  size_t ups = 0;
  size_t buttonDowns = 0;
  for (const TKeyInput& r : keyboard.Inputs()) {
    ups += r.Vk == 0x26 && (r.Flags & KeyFlagUp) == 0;
    buttonDowns += r.Vk == 0x42 && (r.Flags & KeyFlagUp) == 0;
  }
  EXPECT_GE(ups, 4u);  // two notches a round, several rounds
  EXPECT_GE(buttonDowns, 2u);
  EXPECT_TRUE(keyboard.KeysDown().empty());
}

}  // namespace
}  // namespace qv::input
