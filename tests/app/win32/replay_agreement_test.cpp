// The replay against the program itself: the example controller's timeline
// drives quorvex.exe with the example profile and joystick settings while
// the stand-in simulator takes its keys, and the same profile and timeline
// go through the replay (the one behind qvtool replay, built into this test)
// up to the same point. Both must give the same keys in the same order.
//
// Normalised on both sides before the comparison, because the program's
// keys pass through the platform and a real clock and the replay's do not:
// - times are dropped: only order and content count;
// - left and right modifiers (VK_LSHIFT/VK_RSHIFT, VK_LCONTROL/VK_RCONTROL,
//   VK_LMENU/VK_RMENU) become the generic VK_SHIFT, VK_CONTROL, VK_MENU, as
//   window messages carry them (scan code and extended bit stay);
// - a down of a key that is already down is dropped: auto-repeats, whose
//   number depends on how long the key was held in real time;
// - Alt combinations arrive as WM_SYSKEYDOWN/WM_SYSKEYUP, which the stand-in
//   logs as down and up like any key, so they need nothing more;
// - what only the replay knows (the batch, key names, system commands) is
//   not compared.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>

#include "engine/Profile.h"
#include "storage/JoySettingsFile.h"
#include "tests/app/win32/ProgramFixture.h"
#include "tools/Replay.h"

namespace qv::test {
namespace {

using sim::TKeyLogEntry;

uint16_t Generic(uint16_t vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT:
      return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL:
      return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU:
      return VK_MENU;
    default:
      return vk;
  }
}

std::vector<TKeyLogEntry> Normalised(const std::vector<TKeyLogEntry>& keys) {
  std::vector<TKeyLogEntry> normal;
  std::set<uint16_t> down;
  for (TKeyLogEntry key : keys) {
    key.Time = 0;
    key.Vk = Generic(key.Vk);
    if (key.Down && !down.insert(key.Vk).second) continue;
    if (!key.Down) down.erase(key.Vk);
    normal.push_back(key);
  }
  return normal;
}

// The keys the replay gives for the profile over the example timeline's first ms.
std::vector<TKeyLogEntry> ReplayedKeys(const fs::path& profile, uint32_t ms) {
  JoySettings = TJoySettings{};
  EXPECT_EQ(LoadJoySettings(fs::path(BesideTests(L"virtual-train-controller.qvjoy")).u16string()), u"");
  tool::TReplay replay(
      sim::LoadVirtualControllers(fs::path(BesideTests(L"virtual-train-controller.ml")).u16string()));
  const auto events = replay.Run(profile.u16string(), ms);
  std::vector<TKeyLogEntry> keys;
  if (!events) return keys;
  for (const tool::TReplayEvent& event : *events) {
    if (event.IsKey) {
      const TKeyInput& input = event.Key.Input;
      keys.push_back({event.Time, (input.Flags & KeyFlagUp) == 0, input.Vk, input.Scan,
                      (input.Flags & KeyFlagExtended) != 0});
    }
  }
  return keys;
}

bool HasKeyUp(const std::vector<TKeyLogEntry>& keys, uint16_t vk) {
  for (const TKeyLogEntry& key : keys)
    if (!key.Down && key.Vk == vk) return true;
  return false;
}

TEST_F(ProgramTest, TheReplayGivesTheKeysTheProgramSendsInTheSameOrder) {
  const fs::path profile = home / "virtual-train-controller.qvprof";
  fs::copy_file(BesideTests(L"virtual-train-controller.qvprof"), profile);
  SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", BesideTests(L"virtual-train-controller.ml").c_str());
  StartSimulator();
  // A profile named on the command line starts the program in the tray,
  // polling from the start with the simulator in front, as the replay does.
  ChildProcess& program = Start({profile});
  ASSERT_TRUE(program.Started());
  // The timeline's last key is the emergency brake's Backspace at 18 s; the
  // next comes at 22 s in the second round. Stopped in between, at about
  // 19.5 s, the program has sent what the replay sends in its first 20 s.
  ASSERT_TRUE(WaitUntil([&] { return HasKeyUp(Keys(), VK_BACK); }, 40000));
  Sleep(1500);
  ASSERT_TRUE(Close(program));

  const std::vector<TKeyLogEntry> replayed = Normalised(ReplayedKeys(profile, 20000));
  EXPECT_GT(replayed.size(), 20u);
  EXPECT_EQ(Normalised(Keys()), replayed);
}

}  // namespace
}  // namespace qv::test
