// Timed step taps served by the poll loop on the virtual clock: a lever's
// own hold, gap and gates, reverse moves, other controls meanwhile, and
// what pause, stop, a lost device and exit do to taps still queued. Each
// case runs a short script and reads back every record as
// "ms:key+" (down) or "ms:key-" (up), from the script's start.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "engine/PollThread.h"

namespace qv::test {
namespace {

constexpr int32_t NotchValue[] = {0, 1000, 20000, 40000, 64000};  // positions 1..4

enum class TDo { Lever, Button, Pause, Resume, Stop, Start, Exit, Unplug };

// At: when the loop acts on it (the cycle that reads a device change).
struct TStep {
  uint32_t At;
  TDo Do;
  int Value = 0;
};

struct TScript {
  const char* Name;
  std::function<void(TProfileAxis&)> Setup;
  std::vector<TStep> Steps;
  std::string Records;
};

class ScheduleTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    // Read every 5 ms: a change made 5 ms before a step's time is read at it.
    device.Attach(2, 4, 1, sim::TReporting::Polled);
    EngineHooks.DeviceDueIn = [this] {
      const auto due = static_cast<int32_t>(start_ + static_cast<uint32_t>(wakeAt_) - clock.Now());
      return due >= 0 ? due : -1;
    };
    MakeFourNotchLever(0);
    ProfileAxes[0].Up = Key(0x26);
    ProfileAxes[0].Down = Key(0x28);
    ProfileButtons[0].Events.Press = Key(0x42);
    ProfileButtons[0].Events.Hold = Key(0x43);
  }

  // Cycles until ms after the start; the loop wakes exactly then, as if
  // the device asked for it.
  void RunTo(int32_t ms) {
    wakeAt_ = ms;
    while (static_cast<int32_t>(clock.Now() - start_) < ms) loop_.Cycle();
  }

  std::string Text() const {
    std::string text;
    for (const sim::TRecorded& r : keyboard.Records()) {
      char one[32];
      std::snprintf(one, sizeof one, "%s%u:%02X%c", text.empty() ? "" : " ", r.Time - start_, r.Input.Vk,
                    (r.Input.Flags & KeyFlagUp) != 0 ? '-' : '+');
      text += one;
    }
    return text;
  }

  // Runs the script from the lever on notch 1, then 10 s more (unless it
  // stopped polling), and checks that nothing is left down.
  std::string Run(const TScript& script) {
    SCOPED_TRACE(script.Name);
    if (script.Setup) script.Setup(ProfileAxes[0]);
    device.Axis(0, NotchValue[1]);
    RebuildTrackers();
    loop_.Begin();
    keyboard.Clear();
    start_ = clock.Now() + 10;
    bool ended = false;
    for (const TStep& step : script.Steps) {
      const bool read = step.Do == TDo::Lever || step.Do == TDo::Button || step.Do == TDo::Unplug;
      RunTo(static_cast<int32_t>(step.At) - (read ? 5 : 0));
      switch (step.Do) {
        case TDo::Lever:
          device.Axis(0, NotchValue[step.Value]);
          break;
        case TDo::Button:
          device.Button(0, step.Value);
          break;
        case TDo::Pause:
          PauseRequest = true;
          break;
        case TDo::Resume:
          PauseRequest = false;
          break;
        case TDo::Unplug:
          device.Unplug();
          break;
        case TDo::Start:
          loop_.Begin();
          ended = false;
          break;
        case TDo::Stop:
        case TDo::Exit:
          ExitRequest = step.Do == TDo::Exit;
          loop_.End();
          ExitRequest = false;
          ended = true;
          break;
      }
    }
    if (!ended) {
      RunTo(static_cast<int32_t>(clock.Now() - start_) + 10000);
      EXPECT_TRUE(ScheduleEmpty());
      loop_.End();
    }
    EXPECT_TRUE(keyboard.KeysDown().empty());
    return Text();
  }

  void Check(const std::vector<TScript>& scripts) {
    for (const TScript& script : scripts) {
      SetUp();
      EXPECT_EQ(Run(script), script.Records) << script.Name;
      TearDown();
    }
  }

  TPollLoop loop_;
  uint32_t start_ = 0;
  int32_t wakeAt_ = 0;
};

std::function<void(TProfileAxis&)> Timing(int32_t hold, int32_t gap) {
  return [=](TProfileAxis& a) {
    a.StepHold = hold;
    a.StepGap = gap;
  };
}

TEST_F(ScheduleTest, EachLeverHoldsItsStepTapsAndPausesBetweenThem) {
  Check({
      {"hold 60, gap 30", Timing(60, 30), {{0, TDo::Lever, 3}}, "0:26+ 60:26- 90:26+ 150:26-"},
      {"gap 0: as long as the hold", Timing(80, 0), {{0, TDo::Lever, 3}}, "0:26+ 80:26- 160:26+ 240:26-"},
      {"gap only: taps of one batch", Timing(0, 50), {{0, TDo::Lever, 3}}, "0:26+ 0:26- 50:26+ 50:26-"},
      {"down as up",
       Timing(40, 10),
       {{0, TDo::Lever, 3}, {200, TDo::Lever, 1}},
       "0:26+ 40:26- 50:26+ 90:26- 200:28+ 240:28- 250:28+ 290:28-"},
      {"a hold from a file is bounded", Timing(99999, -7), {{0, TDo::Lever, 2}}, "0:26+ 2000:26-"},
      {"a later move queues behind",
       Timing(100, 100),
       {{0, TDo::Lever, 2}, {50, TDo::Lever, 3}},
       "0:26+ 100:26- 200:26+ 300:26-"},
  });
}

std::function<void(TProfileAxis&)> Gates(std::vector<int32_t> userIndex, std::vector<int32_t> gate) {
  return [=](TProfileAxis& a) {
    a.StepHold = 50;
    a.StepGap = 50;
    for (size_t p = 0; p < userIndex.size(); ++p) {
      a.Positions[p].UserIndex = userIndex[p];
      a.Positions[p].GateHold = gate[p];
    }
  };
}

TEST_F(ScheduleTest, AGateHoldsEveryTapThatCrossesItLongerEitherWay) {
  Check({
      {"between notches 2 and 3, up",
       Gates({1, 2, 3, 4}, {0, 200, 0, 0}),
       {{0, TDo::Lever, 4}},
       "0:26+ 50:26- 100:26+ 350:26- 400:26+ 450:26-"},
      {"and down",
       Gates({1, 2, 3, 4}, {0, 200, 0, 0}),
       {{0, TDo::Lever, 4}, {1000, TDo::Lever, 1}},
       "0:26+ 50:26- 100:26+ 350:26- 400:26+ 450:26- 1000:28+ 1050:28- 1100:28+ 1350:28- 1400:28+ 1450:28-"},
      // Position 2 stands for notch 3: its gate lies between notches 3 and 4.
      {"remapped",
       Gates({1, 3, 4, 6}, {0, 300, 0, 0}),
       {{0, TDo::Lever, 3}},
       "0:26+ 50:26- 100:26+ 150:26- 200:26+ 550:26-"},
      {"shared notch: the longest",
       Gates({1, 2, 2, 3}, {0, 100, 300, 0}),
       {{0, TDo::Lever, 4}},
       "0:26+ 50:26- 100:26+ 450:26-"},
      {"a gate alone, no hold",
       Gates({1, 2, 3, 4}, {120, 0, 0, 0}),
       {{0, TDo::Lever, 3}},
       "0:26+ 170:26- 220:26+ 270:26-"},
  });
}

TEST_F(ScheduleTest, ResyncTapsBeyondTheEndCrossNoGate) {
  const auto resync = [](TProfileAxis& a) {
    Gates({1, 2, 3, 4}, {0, 0, 200, 500})(a);
    a.ResyncLast = 2;
  };
  Check({
      {"two beyond the top",
       resync,
       {{0, TDo::Lever, 3}, {1000, TDo::Lever, 4}},
       "0:26+ 50:26- 100:26+ 150:26- 1000:26+ 1250:26- 1300:26+ 1350:26- 1400:26+ 1450:26-"},
  });
}

TEST_F(ScheduleTest, AReverseMoveCancelsQueuedStepsInPairs) {
  Check({
      {"back before they went",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {50, TDo::Lever, 1}},
       "0:26+ 100:26- 200:28+ 300:28-"},
      {"rocked",
       Timing(100, 100),
       {{0, TDo::Lever, 2},
        {20, TDo::Lever, 1},
        {40, TDo::Lever, 2},
        {60, TDo::Lever, 1},
        {80, TDo::Lever, 2}},
       "0:26+ 100:26-"},
      {"half way back",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {50, TDo::Lever, 3}},
       "0:26+ 100:26- 200:26+ 300:26-"},
  });
}

TEST_F(ScheduleTest, OtherControlsGoOutInTheCycleThatReadsThem) {
  Check({
      {"a button in a 2 s sequence",
       Timing(300, 400),
       {{0, TDo::Lever, 4}, {800, TDo::Button, 1}, {900, TDo::Button, 0}},
       "0:26+ 300:26- 700:26+ 800:42+ 800:42- 800:43+ 900:43- 1000:26- 1400:26+ 1700:26-"},
      // Shift and its key go down and up around each tap, and nothing
      // else comes between them: the button waits for the Shift to go up.
      {"never inside a Shift tap",
       [](TProfileAxis& a) {
         Timing(100, 100)(a);
         a.Up.Modifiers = modShift;
       },
       {{0, TDo::Lever, 3}, {50, TDo::Button, 1}, {250, TDo::Button, 0}},
       "0:A0+ 0:26+ 100:26- 100:A0- 100:42+ 100:42- 100:43+ 200:A0+ 200:26+ 300:26- 300:A0- 300:43-"},
  });
}

TEST_F(ScheduleTest, QueuedStepsOnPauseStopLostDeviceAndExit) {
  Check({
      // Everything down goes up at once, queued steps wait for the resume,
      // and the catch-up for the lever moved meanwhile cancels against them.
      {"pause in a tap",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {50, TDo::Pause}, {500, TDo::Resume}},
       "0:26+ 50:26- 500:26+ 600:26- 700:26+ 800:26-"},
      {"lever moved while paused",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {150, TDo::Pause}, {200, TDo::Lever, 2}, {500, TDo::Resume}},
       "0:26+ 100:26-"},
      {"stop: the steps finish first",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {150, TDo::Stop}},
       "0:26+ 100:26- 200:26+ 300:26- 400:26+ 500:26-"},
      {"exit: dropped", Timing(100, 100), {{0, TDo::Lever, 4}, {50, TDo::Exit}}, "0:26+ 50:26-"},
      // Steps that a stop behind our own window drops are owed: the
      // catch-up starts from the notch the simulator really reached.
      {"stopped while paused",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {150, TDo::Pause}, {300, TDo::Stop}, {350, TDo::Start}, {500, TDo::Resume}},
       "0:26+ 100:26- 500:26+ 600:26- 700:26+ 800:26-"},
      // A pause after a step's modifiers went down but before its key: the
      // simulator saw no step, so the whole tap goes out on the resume.
      {"pause before the key of a tap",
       [](TProfileAxis& a) {
         TapPause = 100;
         a.Up = Key(0x26, modShift);
       },
       {{0, TDo::Lever, 2}, {50, TDo::Pause}, {500, TDo::Resume}},
       "0:A0+ 50:A0- 500:A0+ 600:26+ 700:26- 700:A0-"},
      {"lost device: the steps still go",
       Timing(100, 100),
       {{0, TDo::Lever, 4}, {150, TDo::Unplug}},
       "0:26+ 100:26- 200:26+ 300:26- 400:26+ 500:26-"},
      {"lost with a button held",
       Timing(100, 100),
       {{0, TDo::Button, 1}, {0, TDo::Lever, 3}, {50, TDo::Unplug}},
       "0:26+ 0:42+ 0:42- 0:43+ 100:26- 200:26+ 300:26- 500:43+ 550:43-"},
  });
}

}  // namespace
}  // namespace qv::test
