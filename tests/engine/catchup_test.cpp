// The simulator's lever caught up after our levers went unfollowed: the poll
// loop paused and resumed, or ended and begun again, on the virtual clock.
#include <functional>
#include <memory>
#include <string>

#include "EngineFixture.h"
#include "engine/PollThread.h"

namespace qv::test {
namespace {

constexpr int32_t Notch[] = {0, 1000, 20000, 40000, 64000};  // raw rest value of notch p

enum class TAway { Paused, PausedWhileLost, Stopped, StoppedWhilePaused };

class CatchUpTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    MakeFourNotchLever(0);
    TProfileAxis& axis = ProfileAxes[0];
    axis.Up = Key(0x26);
    axis.Down = Key(0x28);
    // Notch p: its Press tap is digit p, its Hold the p-th letter, its Release F(p).
    for (int p = 1; p <= 4; ++p) {
      axis.Position(p).Events = {Key(0x30 + p), Key(0x40 + p), Key(0x6F + p)};
    }
  }

  // A fresh thread's loop, as start polling makes one.
  void Begin() {
    RebuildTrackers();
    loop = std::make_unique<TPollLoop>();
    loop->Begin();
  }
  void End() { loop->End(); }
  void Pause() {
    PauseRequest = true;
    loop->Cycle();
  }
  void Resume() {
    PauseRequest = false;
    loop->Cycle();
  }
  void MoveTo(int notch) {
    device.Axis(0, Notch[notch]);
    loop->Cycle();
  }

  // What was typed since the last clear, as "+Up -Up +C": + down, - up.
  std::string Typed() const {
    std::string typed;
    for (const TKeyInput& r : keyboard.Inputs()) {
      if (!typed.empty()) typed += ' ';
      typed += (r.Flags & KeyFlagUp) != 0 ? '-' : '+';
      if (r.Vk == 0x26) {
        typed += "Up";
      } else if (r.Vk == 0x28) {
        typed += "Down";
      } else if (r.Vk == 0xA0) {
        typed += "Shift";
      } else if (r.Vk >= 0x70) {
        typed += "F" + std::to_string(r.Vk - 0x6F);
      } else {
        typed += static_cast<char>(r.Vk);
      }
    }
    return typed;
  }

  std::unique_ptr<TPollLoop> loop;
};

struct TCase {
  const char* what;
  std::function<void()> profile;  // before the first start
  int from;
  TAway away;
  std::function<void()> meanwhile;  // while our levers are not followed
  int to;
  const char* typed;  // when they are followed again
};

TEST_F(CatchUpTest, LeversMovedWhileNotFollowedAreSteppedWhenFollowedAgain) {
  const auto none = [] {};
  TProfileAxis& axis = ProfileAxes[0];
  const TCase cases[] = {
      {"paused, two notches up", none, 1, TAway::Paused, none, 3, "+Up -Up +Up -Up +C"},
      {"paused, to the lowest notch with a resync tap", [&] { axis.ResyncFirst = 1; }, 4, TAway::Paused, none,
       1, "+Down -Down +Down -Down +Down -Down +Down -Down +A"},
      {"paused, to the highest notch with a resync tap", [&] { axis.ResyncLast = 2; }, 2, TAway::Paused, none,
       4, "+Up -Up +Up -Up +Up -Up +Up -Up +D"},
      {"paused, to a remapped notch", [&] { axis.Position(3).UserIndex = 5; }, 1, TAway::Paused, none, 3,
       "+Up -Up +Up -Up +Up -Up +Up -Up +C"},
      {"paused, a step key with Shift", [&] { axis.Up = Key(0x26, modShift); }, 1, TAway::Paused, none, 2,
       "+Shift +Up -Up -Shift +B"},
      {"paused, moved away and back", none, 2, TAway::Paused, [&] { MoveTo(4); }, 2, "+B"},
      {"paused while the device was lost", none, 1, TAway::PausedWhileLost, none, 3, "+Up -Up +Up -Up +C"},
      {"paused, waiting for its initial notch", [&] { axis.InitialPos = 2; }, 1, TAway::Paused, none, 3, ""},
      {"stopped, nothing changed", none, 3, TAway::Stopped, none, 1, "+Down -Down +Down -Down +A"},
      {"stopped, with an initial notch, nothing changed", [&] { axis.InitialPos = 1; }, 1, TAway::Stopped,
       none, 2, "+Up -Up +B"},
      {"stopped and started while paused", none, 1, TAway::StoppedWhilePaused, none, 4,
       "+Up -Up +Up -Up +Up -Up +D"},
      {"stopped, a rest value changed", none, 1, TAway::Stopped, [] { JoySettings.Axes[0].Value[3] = 62000; },
       3, "+C"},
      {"stopped, read the other way round", none, 1, TAway::Stopped,
       [] { JoySettings.Axes[0].Reverse = true; }, 3, "+B"},
      {"stopped, the step key changed", none, 1, TAway::Stopped, [&] { axis.Up = Key(0x21); }, 3, "+C"},
      {"stopped, a notch remapped", none, 1, TAway::Stopped, [&] { axis.Position(2).UserIndex = 7; }, 3,
       "+C"},
      {"stopped, a notch's hold changed", none, 1, TAway::Stopped,
       [&] { axis.Position(3).Events.Hold = Key(0x5A); }, 3, "+Z"},
      {"stopped, a gate set", none, 1, TAway::Stopped, [&] { axis.Position(2).GateHold = 200; }, 3, "+C"},
      {"stopped, positions limited", none, 1, TAway::Stopped, [&] { axis.PosLimit = 3; }, 3, "+C"},
      {"stopped while paused, changed meanwhile", none, 1, TAway::StoppedWhilePaused,
       [&] { axis.ResyncLast = 1; }, 4, "+D"},
      {"stopped, a profile loaded", none, 1, TAway::Stopped, [] { ResyncRequest = true; }, 3, "+C"},
      {"stopped, a profile with an initial notch loaded", none, 1, TAway::Stopped,
       [&] {
         axis.InitialPos = 1;
         ResyncRequest = true;
       },
       3, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    c.profile();
    device.Axis(0, Notch[c.from]);
    Begin();
    loop->Cycle();
    switch (c.away) {
      case TAway::Stopped:
        End();
        c.meanwhile();
        device.Axis(0, Notch[c.to]);
        keyboard.Clear();
        Begin();
        break;
      case TAway::PausedWhileLost:
        // Lost long enough for the held keys to go up before the pause.
        device.Unplug();
        for (uint32_t t = clock.Now(); clock.Now() - t <= DeviceLostAfterMs;) loop->Cycle();
        ASSERT_TRUE(keyboard.KeysDown().empty());
        Pause();
        device.Replug();
        [[fallthrough]];
      case TAway::Paused:
        Pause();
        c.meanwhile();
        device.Axis(0, Notch[c.to]);
        loop->Cycle();
        keyboard.Clear();
        Resume();
        break;
      case TAway::StoppedWhilePaused:
        Pause();
        End();
        c.meanwhile();
        device.Axis(0, Notch[c.to]);
        Begin();
        loop->Cycle();
        keyboard.Clear();
        Resume();
        break;
    }
    EXPECT_EQ(Typed(), c.typed);
    End();
    TearDown();
  }
}

}  // namespace
}  // namespace qv::test
