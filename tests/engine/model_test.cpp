// A randomised run of the poll loop on the virtual clock: random levers,
// hats and buttons, random profiles with system commands (run by the real
// dispatcher, the sound commands on a fake sound card), pauses, resumes,
// stops and starts, levers with their own tap timing and gates. Whatever
// happens, releasing everything leaves no key down, nothing goes out inside
// another control's step tap modifiers, and nothing but Hold keys is sent
// while taps are disabled, except the steps that catch the simulator's
// levers up when following resumes (never after a resync or a changed
// profile) and queued steps finishing when polling stops. And a simulator's
// lever, stepped by the keys as they arrive, stands where the program's
// lever stands whenever polling has stopped and its queued steps are out.
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "EngineFixture.h"
#include "engine/PollThread.h"
#include "engine/SysCmd.h"
#include "sim/FakeMixer.h"

namespace qv::test {
namespace {

// Key ranges by role, so a record tells which kind of action sent it.
constexpr uint16_t FirstStep = 0x30;  // lever k steps up with 0x30 + 2k, down with the next
constexpr int FirstHold = 0x41;       // 0x41..0x4F
constexpr int FirstTap = 0x70;        // 0x70..0x7F

// The simulator's own lever for one of ours: one notch a step tap, never
// past its ends, so that the extra taps of a resync are lost there as they
// would be in the simulator. Followed only from a moment the program knows
// where it stands.
struct TSimulatorLever {
  bool Followed = false;
  int64_t Notch = 0;
  int64_t Low = 0;
  int64_t High = 0;
};

class CheckingKeyboard final : public KeyboardOutput {
 public:
  explicit CheckingKeyboard(sim::RecordingKeyboard& inner) : inner_(inner) {}
  void Send(std::span<const TKeyInput> records) override {
    for (const TKeyInput& r : records) {
      FollowSpan(r);
      StepSimulator(r);
      const bool step = r.Vk >= FirstStep && r.Vk < FirstStep + 16;
      const bool tap = r.Vk >= FirstTap && r.Vk < FirstTap + 16;
      if ((tapsForbidden && tap) || (stepsForbidden && step)) ++violations;
    }
    inner_.Send(records);
  }
  bool tapsForbidden = false;
  bool stepsForbidden = false;
  int violations = 0;
  int spanViolations = 0;
  std::array<TSimulatorLever, MaxAxes> levers{};

 private:
  void StepSimulator(const TKeyInput& r) {
    if ((r.Flags & KeyFlagUp) != 0 || r.Vk < FirstStep || r.Vk >= FirstStep + 2 * JoyAxisCount) return;
    TSimulatorLever& lever = levers[static_cast<size_t>((r.Vk - FirstStep) / 2)];
    const int64_t step = (r.Vk - FirstStep) % 2 == 0 ? 1 : -1;
    lever.Notch = std::clamp(lever.Notch + step, lever.Low, lever.High);
  }

  static bool IsModifier(uint16_t vk) { return (vk >= 0xA0 && vk <= 0xA5) || (vk >= 0x5B && vk <= 0x5D); }

  // A step key going down right after modifiers went down opens that
  // step's span; until its modifiers go up only its own key may pass.
  void FollowSpan(const TKeyInput& r) {
    const bool up = (r.Flags & KeyFlagUp) != 0;
    const bool step = r.Vk >= FirstStep && r.Vk < FirstStep + 16;
    if (span_ != 0) {
      if (IsModifier(r.Vk) && up) {
        span_ = 0;
      } else if (r.Vk != span_) {
        ++spanViolations;
      }
    } else if (step && !up && afterModifierDown_) {
      span_ = r.Vk;
    }
    afterModifierDown_ = IsModifier(r.Vk) && !up;
  }

  uint16_t span_ = 0;
  bool afterModifierDown_ = false;
  sim::RecordingKeyboard& inner_;
};

class ModelTest : public EngineTest {
 protected:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }

  TKeyAction RandomAction(int firstVk) {
    TKeyAction a;
    const int kind = Pick(0, 9);
    if (kind < 3) return a;
    if (kind == 3) {
      a.SysCmd = Pick(1, scFirstKeyName + 1);  // every command, and a key name that is none
      a.Repeat = Pick(-1, 200);
      return a;
    }
    a.Vkey = firstVk + Pick(0, 14);
    if (Chance(30)) a.Modifiers = static_cast<uint16_t>(Pick(0, 0x1FF));
    a.Repeat = Pick(-1, 3);
    return a;
  }

  TKeyEvents RandomEvents() {
    TKeyEvents e;
    e.Press = RandomAction(FirstTap);
    e.Hold = RandomAction(FirstHold);
    e.Release = RandomAction(FirstTap);
    return e;
  }

  void RandomProfile() {
    JoySettings = TJoySettings{};
    JoySettings.Noise = Pick(0, 30);
    for (int k = 0; k < JoyAxisCount; ++k) {
      TAxisSettings& s = JoySettings.Axes[static_cast<size_t>(k)];
      s.Type = static_cast<uint8_t>(Pick(0, 2));
      s.Count = Pick(0, 6);
      for (int i = 0; i < s.Count; ++i) s.Value[static_cast<size_t>(i)] = (i + 1) * 60000 / (s.Count + 1);
      s.Reverse = Chance(30);
      s.HangPos = static_cast<uint8_t>(Pick(0, 2));
      s.Neutral = Pick(0, 65535);
      s.Threshold = Pick(0, 100);
      TProfileAxis& a = ProfileAxes[static_cast<size_t>(k)];
      a.Up = Key(FirstStep + 2 * k, Chance(30) ? modShift : 0, Pick(1, 2));
      a.Down = Key(FirstStep + 2 * k + 1, Chance(30) ? modCtrl | modAlt : 0);
      a.StepHold = Chance(40) ? (Chance(10) ? 99999 : Pick(0, 300)) : 0;
      a.StepGap = Chance(30) ? Pick(-5, 300) : 0;
      a.ResyncFirst = Pick(-2, 2);
      a.ResyncLast = Pick(-2, 2);
      a.InitialPos = Pick(0, 4);
      a.PosLimit = Pick(0, 5);
      for (int p = 1; p <= MaxPositions; ++p) {
        a.Position(p).UserIndex = Pick(-3, 8);
        a.Position(p).GateHold = Chance(10) ? Pick(-10, 4000) : 0;
        a.Position(p).Events = RandomEvents();
      }
    }
    for (int b = 0; b < JoyButtonCount; ++b) {
      ProfileButtons[static_cast<size_t>(b)].Events = RandomEvents();
      ProfileButtons[static_cast<size_t>(b)].ParkPos = static_cast<uint8_t>(Pick(0, 2));
    }
    for (TKeyEvents& e : ProfileHats[0].Directions) e = RandomEvents();
    ShiftPause = Pick(0, 2);
    TapPause = Chance(20) ? 1 : 0;
  }

  void RandomDevice() {
    for (int k = 0; k < JoyAxisCount; ++k) {
      if (!Chance(20)) continue;
      // A real lever rests in its notches most of the time.
      const TAxisSettings& s = JoySettings.Axes[static_cast<size_t>(k)];
      if (s.Count > 0 && Chance(60)) {
        device.Axis(k, s.Value[static_cast<size_t>(Pick(0, s.Count - 1))] + Pick(-20, 20));
      } else {
        device.Axis(k, Chance(10) ? (Chance(50) ? 0 : 65535) : Pick(0, 65535));
      }
    }
    for (int b = 0; b < JoyButtonCount; ++b) {
      if (Chance(5)) device.Button(b, Chance(50) ? 0 : Pick(1, 255));
    }
    if (Chance(10)) device.Hat(0, Chance(30) ? -1 : Pick(0, 35999));
  }

  void Forbid(bool taps, bool steps) {
    checker.tapsForbidden = taps;
    checker.stepsForbidden = steps;
  }

  // Every release of everything must leave no key and no modifier down.
  void ExpectAllUp(const char* where) {
    std::string down;
    for (uint16_t vk : recorder.KeysDown()) down += std::to_string(vk) + " ";
    ASSERT_TRUE(down.empty()) << where << ": " << down;
    ASSERT_EQ(AutoRepeatKey().Vkey, 0) << where;
    recorder.Clear();
  }

  // A lever is followed from when it stands synchronised in a position with
  // nothing of it queued, as long as each of its step keys is one tap and a
  // resync adds taps. Leaving the positions (no steps are owed for that), a
  // resync or another profile forgets it; a stop does not (its position is
  // forgotten until the next reading, and the catch-up steps are owed).
  void FollowSimulatorLevers(bool forget) {
    for (int k = 0; k < JoyAxisCount; ++k) {
      TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
      TSimulatorLever& lever = checker.levers[static_cast<size_t>(k)];
      const bool known = AxisTrackers[static_cast<size_t>(k)].Active && axis.Synced && axis.Up.Repeat == 1 &&
                         axis.Down.Repeat == 1 && axis.ResyncFirst >= 0 && axis.ResyncLast >= 0;
      const bool placed = IsPosition(axis, axis.LastPos);
      if (forget || !known || (!placed && axis.LastPos != -1)) {
        lever.Followed = false;
      } else if (!lever.Followed && placed && ScheduleEmpty()) {
        lever = {true, axis.Position(axis.LastPos).UserIndex, axis.MinUserIndex, axis.MaxUserIndex};
      }
    }
  }

  // Polling has stopped with every queued step out: each followed lever of
  // the simulator stands at the notch of the program's lever.
  void ExpectSimulatorLeversInStep(const char* where) {
    for (int k = 0; k < JoyAxisCount; ++k) {
      TProfileAxis& axis = ProfileAxes[static_cast<size_t>(k)];
      const TSimulatorLever& lever = checker.levers[static_cast<size_t>(k)];
      if (!lever.Followed || !axis.Synced || !IsPosition(axis, axis.CurrentPos)) continue;
      ASSERT_EQ(lever.Notch, axis.Position(axis.CurrentPos).UserIndex) << where << ", lever " << k;
    }
  }

  void Run(uint32_t seed, int cycles) {
    rng_.seed(seed);
    SCOPED_TRACE("replay with QV_MODEL_SEED=" + std::to_string(seed));
    PauseRequest = false;
    Suspended = false;
    ResyncRequest = true;
    RandomProfile();
    TPollLoop loop;
    RebuildTrackers();
    bool startedOver = false;
    Forbid(true, true);
    loop.Begin();
    Forbid(false, false);
    FollowSimulatorLevers(true);
    for (int i = 0; i < cycles; ++i) {
      RandomDevice();
      if (Chance(2)) PauseRequest = !PauseRequest;
      const bool quiet = Suspended;
      const bool pausing = PauseRequest;
      // A resuming cycle catches up, unless the thread started over since it went quiet.
      Forbid(quiet, quiet && (pausing || startedOver));
      loop.Cycle();
      Forbid(false, false);
      if (quiet && !pausing) startedOver = false;
      if (pausing && !quiet) ExpectAllUp("after a pause");
      FollowSimulatorLevers(false);
      if (Chance(1)) {
        // Steps still queued finish first, unless our own window is active.
        const bool draining = !ScheduleEmpty() && !Suspended;
        Forbid(!draining, !draining);
        loop.End();
        ExpectAllUp("after a stop");
        if (!Suspended) ExpectSimulatorLeversInStep("after a stop");
        if (Chance(30)) startedOver = ResyncRequest = true;
        if (Chance(20)) {
          RandomProfile();
          startedOver = true;
        }
        RebuildTrackers();
        Forbid(true, startedOver);
        loop.Begin();
        Forbid(false, false);
        FollowSimulatorLevers(startedOver);
        if (!Suspended) startedOver = false;
      }
      ASSERT_EQ(checker.violations, 0) << "step or tap key with taps disabled, cycle " << i;
      ASSERT_EQ(checker.spanViolations, 0) << "a record inside another step's modifiers, cycle " << i;
      ExpectSoundInRange();
    }
    const bool draining = !ScheduleEmpty() && !Suspended;
    Forbid(!draining, !draining);
    loop.End();
    ExpectAllUp("at the end");
    if (!Suspended) ExpectSimulatorLeversInStep("at the end");
    EXPECT_TRUE(ScheduleEmpty());
    EXPECT_EQ(checker.violations, 0);
  }

  void SetUp() override {
    EngineTest::SetUp();
    InstallSeams(&checker, &layout, &clock);
    device.Attach(3, 6, 1);
    mixer.Devices = {sim::FakeMixerApi::SoundCard(u"Card")};
    StartSystemCommands(mixer);
  }
  void TearDown() override {
    PauseRequest = false;
    Suspended = false;
    StartSystemCommands(NoMixerApi());
    EngineTest::TearDown();
  }

  // Whatever the commands did, every control still holds a value it can take.
  void ExpectSoundInRange() {
    const sim::TFakeLine& speakers = mixer.Devices[0].Destinations[0];
    ASSERT_LE(speakers.Volume.value_or(0), 65535u);
    ASSERT_LE(speakers.Mute.value_or(0), 1u);
    ASSERT_LE(mixer.Devices[0].Destinations[1].Sources[1].Volume.value_or(0), 65535u);
  }

  sim::FakeMixerApi mixer;
  sim::RecordingKeyboard recorder{&clock};
  CheckingKeyboard checker{recorder};
  std::mt19937 rng_;
};

TEST_F(ModelTest, NoKeyStaysDownAndNoTapsWhileDisabled) {
  if (const char* replay = std::getenv("QV_MODEL_SEED")) {
    Run(static_cast<uint32_t>(std::strtoul(replay, nullptr, 10)), 20000);
    return;
  }
  const auto seed = static_cast<uint32_t>(std::random_device{}());
  for (uint32_t i = 0; i < 20 && !HasFatalFailure(); ++i) Run(seed + i, 5000);
}

}  // namespace
}  // namespace qv::test
