// The measuring wizard's steps on the virtual clock, against the stand-in
// simulator's lever fed with the keys the wizard sends: the holds it tries,
// the answer it takes from a button, the second pass, cancel and timeout.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <vector>

#include "engine/KeyOutput.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/StandInLever.h"
#include "sim/UsLayout.h"
#include "ui/dialogs/StepMeasure.h"

namespace qv::ui::dialogs {
namespace {

using M = TStepMeasure;
constexpr uint32_t Start = 1000;

TKeyAction Key(uint16_t vk, uint16_t scan, uint16_t modifiers = 0) {
  TKeyAction key;
  key.Vkey = vk;
  key.ScanCode = scan;
  key.Modifiers = modifiers;
  return key;
}
const TKeyAction upKey = Key('A', 0x1E), downKey = Key('Z', 0x2C), shiftUpKey = Key('A', 0x1E, modShift);

struct TTap {
  uint16_t Vk;
  uint32_t DownAt;
  uint32_t UpAt;
};

// The user in front of a simulator whose lever needs holdMs a notch: a
// button goes down reactionMs after the lever moved up (or, in the second
// pass, after an Up tap that did not move it) and is let go 100 ms later.
class TMeasureRun : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Seams();
    InstallSeams(&keyboard_, &layout_, &clock_);
  }
  void TearDown() override { InstallSeams(saved_.Keyboard, saved_.Layout, saved_.Time); }

  void Simulator(int32_t holdMs, uint32_t reactionMs) {
    const std::string hold = std::to_string(holdMs);
    lever_.emplace(sim::ParseLeverOption(u"L:A:Z:20:" + std::u16string(hold.begin(), hold.end()) + u":10"));
    reactionMs_ = reactionMs;
  }
  // Runs the wizard as the window's thread would, until it waits or ends.
  void Run(M& measure) {
    RunStepMeasure(
        measure, clock_, [&] { return Button(); }, cancel_);
  }

  bool Button() {
    FeedSimulator();
    const uint32_t now = clock_.Now();
    return signalAt_ && Reached(now, *signalAt_) && !Reached(now, *signalAt_ + 100);
  }
  // The simulator's lever takes every key sent so far.
  void FeedSimulator() {
    const auto records = keyboard_.Records();
    for (; fed_ < records.size(); ++fed_) Feed(records[fed_]);
  }
  void Feed(const sim::TRecorded& r) {
    const bool down = (r.Input.Flags & KeyFlagUp) == 0;
    const std::u16string name = layout_.KeyName(int32_t(uint32_t(r.Input.Scan) << 16));
    const sim::TKeyMessage key{r.Time, down, r.Input.Scan, false, name};
    if (lever_) {
      const auto move = lever_->OnKey(key, modifiers_.Down());
      const bool upKeyUp = !down && r.Input.Vk == 'A';
      const bool answer = secondPass_ ? upKeyUp && !move : move && move->To > move->From;
      if (answer && !signalAt_) signalAt_ = r.Time + reactionMs_;
    }
    modifiers_.Update(key);
  }
  static bool Reached(uint32_t now, uint32_t due) { return int32_t(now - due) >= 0; }

  std::vector<TTap> Taps() const {
    std::vector<TTap> taps;
    for (const sim::TRecorded& r : keyboard_.Records()) {
      if (r.Input.Vk != 'A' && r.Input.Vk != 'Z') continue;
      if ((r.Input.Flags & KeyFlagUp) == 0)
        taps.push_back({r.Input.Vk, r.Time, 0});
      else
        taps.back().UpAt = r.Time;
    }
    return taps;
  }
  void SecondPass() {
    secondPass_ = true;
    signalAt_.reset();
  }

  sim::VirtualClock clock_{Start};
  sim::RecordingKeyboard keyboard_{&clock_};
  sim::UsLayout layout_;
  std::atomic<bool> cancel_{false};
  std::optional<sim::TStandInLever> lever_;
  sim::TModifierState modifiers_;
  std::optional<uint32_t> signalAt_;
  uint32_t reactionMs_ = 0;
  size_t fed_ = 0;
  bool secondPass_ = false;

 private:
  TEngineSeams saved_{};
};

TEST_F(TMeasureRun, HoldsGrowEveryTapEachUndoneUntilTheTimeout) {
  M measure(upKey, downKey, clock_.Now());
  Run(measure);
  EXPECT_EQ(measure.State(), TMeasureState::TimedOut);
  EXPECT_EQ(measure.Result(), 0);
  EXPECT_EQ(clock_.Now(), Start + M::CountdownMs + M::AnswerTimeoutMs);
  const auto taps = Taps();
  ASSERT_EQ(taps.size(), 80u);  // 40 taps in 60 s, each with its undo
  EXPECT_EQ(taps.front().DownAt, Start + M::CountdownMs);
  for (size_t i = 0; i < taps.size(); i += 2) {
    const TTap& up = taps[i];
    const TTap& down = taps[i + 1];
    SCOPED_TRACE(i / 2);
    EXPECT_EQ(up.Vk, 'A');
    EXPECT_EQ(down.Vk, 'Z');
    EXPECT_EQ(up.UpAt - up.DownAt, 20 + 5 * (i / 2));
    EXPECT_EQ(down.UpAt - down.DownAt, up.UpAt - up.DownAt);
    EXPECT_EQ(down.DownAt - up.DownAt, M::UndoAfterMs);
    if (i > 0) {
      EXPECT_EQ(up.DownAt - taps[i - 2].DownAt, M::TapPeriodMs);
    }
  }
  EXPECT_EQ(taps.back().UpAt - taps.back().DownAt, 215u);
  EXPECT_TRUE(keyboard_.KeysDown().empty());
}

struct AnswerCase {
  const char* What;
  int32_t LeverMs;
  uint32_t ReactionMs;  // after the lever moved
  int32_t Expected;
  size_t UpTaps;  // the taps sent before the answer ended the pass
};

const AnswerCase answerCases[] = {
    {"the first tap moves it", 20, 300, 20, 1},
    {"a power handle", 115, 300, 115, 20},
    {"between two steps: rounded up", 117, 300, 120, 21},
    {"the last tap of the minute", 215, 300, 215, 40},
    {"pressed while the tap is being undone", 115, M::UndoAfterMs - 115 + 10, 115, 20},
    {"pressed just before the next tap", 115, M::TapPeriodMs - 116, 115, 20},
    {"pressed with the next tap's time", 115, M::TapPeriodMs - 115, 115, 20},
    {"pressed after the next tap", 115, M::TapPeriodMs - 114, 120, 21},
};

TEST_F(TMeasureRun, AnswerIsTheHoldOfTheTapBeforeThePress) {
  for (const AnswerCase& c : answerCases) {
    SCOPED_TRACE(c.What);
    keyboard_.Clear();
    fed_ = 0;
    signalAt_.reset();
    Simulator(c.LeverMs, c.ReactionMs);
    M measure(upKey, downKey, clock_.Now());
    Run(measure);
    EXPECT_EQ(measure.State(), TMeasureState::Found);
    EXPECT_EQ(measure.Result(), c.Expected);
    const auto taps = Taps();
    // Every tap undone, the answered one too: the simulator's lever is back.
    ASSERT_EQ(taps.size(), 2 * c.UpTaps);
    EXPECT_EQ(taps.back().Vk, 'Z');
    FeedSimulator();
    EXPECT_EQ(lever_->Notch(), 10);
    EXPECT_TRUE(keyboard_.KeysDown().empty());
    measure.Finish();
    EXPECT_EQ(measure.State(), TMeasureState::Done);
    EXPECT_EQ(measure.Result(), c.Expected);
  }
}

// A late thread holds the key longer than planned: the hold really sent counts.
TEST_F(TMeasureRun, LateReleaseCountsAsHeld) {
  for (const auto& [lateMs, expected] :
       std::vector<std::pair<uint32_t, int32_t>>{{0, 20}, {3, 25}, {5, 25}, {6, 30}}) {
    M measure(upKey, downKey, Start);
    const uint32_t tap = Start + M::CountdownMs;
    measure.Update(tap, false);
    measure.Update(tap + 20 + lateMs, false);
    measure.Update(tap + 400, true);
    measure.Update(tap + M::UndoAfterMs, true);
    measure.Update(tap + M::UndoAfterMs + 20 + lateMs, true);  // the undo as long as the tap
    EXPECT_EQ(measure.State(), TMeasureState::Found) << lateMs;
    EXPECT_EQ(measure.Result(), expected) << lateMs;
  }
}

// The undo lasts as long as the tap really did, so a late release that moved
// the lever one notch more is undone too; each record carries the time it
// went out at, so a receiver that times key messages sees the hold measured.
TEST_F(TMeasureRun, UndoLastsAsLongAsTheTapReallyDidAndRecordsCarryTheirTimes) {
  for (const uint32_t lateMs : {0u, 6u}) {
    SCOPED_TRACE(lateMs);
    keyboard_.Clear();
    M measure(upKey, downKey, Start);
    const uint32_t tap = Start + M::CountdownMs;
    const uint32_t undo = tap + M::UndoAfterMs;
    measure.Update(tap, false);
    measure.Update(tap + 20 + lateMs, false);
    measure.Update(undo, false);
    measure.Update(undo + 20 + lateMs - 1, false);
    EXPECT_FALSE(keyboard_.KeysDown().empty()) << "Down is held as long as Up was";
    measure.Update(undo + 20 + lateMs, false);
    EXPECT_TRUE(keyboard_.KeysDown().empty());
    std::vector<uint32_t> stamps;
    for (const sim::TRecorded& r : keyboard_.Records()) stamps.push_back(r.Input.Time);
    EXPECT_EQ(stamps, (std::vector<uint32_t>{tap, tap + 20 + lateMs, undo, undo + 20 + lateMs}));
  }
}

struct PressCase {
  const char* What;
  std::vector<std::pair<uint32_t, uint32_t>> Pressed;  // button down from, to (after the first tap)
  int32_t Expected;
  size_t UpTaps;
};

const PressCase pressCases[] = {
    {"held from the start, then pressed again",
     {{0, M::CountdownMs + 200}, {M::CountdownMs + 1900, M::CountdownMs + 2000}},
     25,
     2},
    {"pressed in the countdown, then after the first tap",
     {{100, 200}, {M::CountdownMs + 400, M::CountdownMs + 500}},
     20,
     1},
};

TEST_F(TMeasureRun, OnlyAFreshPressAfterATapAnswers) {
  for (const PressCase& c : pressCases) {
    SCOPED_TRACE(c.What);
    keyboard_.Clear();
    const uint32_t start = clock_.Now();
    M measure(upKey, downKey, start);
    RunStepMeasure(
        measure, clock_,
        [&] {
          for (const auto& [from, to] : c.Pressed)
            if (Reached(clock_.Now(), start + from) && !Reached(clock_.Now(), start + to)) return true;
          return false;
        },
        cancel_);
    EXPECT_EQ(measure.State(), TMeasureState::Found);
    EXPECT_EQ(measure.Result(), c.Expected);
    EXPECT_EQ(Taps().size(), 2 * c.UpTaps);
  }
}

struct ConfirmCase {
  const char* What;
  int32_t LeverMs;
  uint32_t FirstReactionMs;
  int32_t Found;
  int32_t Confirmed;
};

const ConfirmCase confirmCases[] = {
    {"the same value again", 115, 300, 115, 115},
    {"rounded up on the way up and down", 117, 300, 120, 120},
    {"a late first answer corrected", 115, M::TapPeriodMs + 300, 120, 115},
    {"every tap moves it down to the shortest", 20, M::TapPeriodMs + 300, 25, 20},
};

TEST_F(TMeasureRun, SecondPassFromTheAnswerDown) {
  for (const ConfirmCase& c : confirmCases) {
    SCOPED_TRACE(c.What);
    keyboard_.Clear();
    fed_ = 0;
    signalAt_.reset();
    secondPass_ = false;
    Simulator(c.LeverMs, c.FirstReactionMs);
    M measure(upKey, downKey, clock_.Now());
    Run(measure);
    ASSERT_EQ(measure.State(), TMeasureState::Found);
    EXPECT_EQ(measure.Result(), c.Found);
    const size_t firstPass = Taps().size();
    SecondPass();
    reactionMs_ = 300;
    const uint32_t confirmAt = clock_.Now();
    measure.Confirm(confirmAt);
    Run(measure);
    EXPECT_EQ(measure.State(), TMeasureState::Done);
    EXPECT_EQ(measure.Result(), c.Confirmed);
    const auto taps = Taps();
    ASSERT_GT(taps.size(), firstPass);
    EXPECT_EQ(taps[firstPass].DownAt, confirmAt + M::CountdownMs);
    EXPECT_EQ(taps[firstPass].UpAt - taps[firstPass].DownAt, uint32_t(c.Found));
    EXPECT_EQ(taps.back().UpAt - taps.back().DownAt + 5,
              taps[taps.size() - 3].UpAt - taps[taps.size() - 3].DownAt);
    FeedSimulator();
    EXPECT_EQ(lever_->Notch(), 10);
    EXPECT_TRUE(keyboard_.KeysDown().empty());
  }
}

struct CancelCase {
  const char* What;
  uint32_t AtMs;  // after the start
};

const CancelCase cancelCases[] = {
    {"in the countdown", 1000},
    {"while Up is held", M::CountdownMs + 10},
    {"while Down is held", M::CountdownMs + M::UndoAfterMs + 10},
    {"between taps", M::CountdownMs + 1000},
};

TEST_F(TMeasureRun, CancelStopsAtOnceWithEveryKeyUp) {
  for (const CancelCase& c : cancelCases) {
    SCOPED_TRACE(c.What);
    keyboard_.Clear();
    fed_ = 0;
    const uint32_t start = clock_.Now();
    const TKeyAction down = Key('Z', 0x2C, modShift | modCtrl);
    M measure(shiftUpKey, down, start);
    // The window sets the flag when its own window is clicked.
    RunStepMeasure(
        measure, clock_,
        [&] {
          if (Reached(clock_.Now(), start + c.AtMs)) cancel_ = true;
          return false;
        },
        cancel_);
    cancel_ = false;
    EXPECT_EQ(measure.State(), TMeasureState::Cancelled);
    EXPECT_EQ(measure.Result(), 0);
    EXPECT_LE(clock_.Now() - start, c.AtMs + ButtonPollMs);
    EXPECT_TRUE(keyboard_.KeysDown().empty());
    // Nothing more goes out afterwards.
    const size_t sent = keyboard_.Count();
    measure.Update(clock_.Now() + M::TapPeriodMs, true);
    EXPECT_EQ(keyboard_.Count(), sent);
  }
}

TEST_F(TMeasureRun, KeysGoWithTheirModifiersAndNoneStaysDown) {
  {
    M measure(shiftUpKey, downKey, Start);
    measure.Update(Start + M::CountdownMs, false);
    const auto pressed = keyboard_.Records();
    ASSERT_EQ(pressed.size(), 2u);
    TKeyInput shiftDown = ModifierKeyRecord(0, false);
    shiftDown.Time = Start + M::CountdownMs;
    EXPECT_EQ(pressed[0].Input, shiftDown) << "stamped with the time of the tap";
    EXPECT_EQ(pressed[1].Input.Vk, 'A');
    EXPECT_EQ(pressed[0].Batch, pressed[1].Batch);
  }  // dropped while A is held
  const auto records = keyboard_.Records();
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[2].Input, (TKeyInput{'A', 0x1E, KeyFlagUp}));
  EXPECT_EQ(records[3].Input, ModifierKeyRecord(0, true));
  EXPECT_TRUE(keyboard_.KeysDown().empty());
  EXPECT_FALSE(M::Measurable(TKeyAction{}, downKey));
  TKeyAction command;
  command.SysCmd = 3;
  EXPECT_FALSE(M::Measurable(upKey, command));
  EXPECT_TRUE(M::Measurable(shiftUpKey, downKey));
}

}  // namespace
}  // namespace qv::ui::dialogs
