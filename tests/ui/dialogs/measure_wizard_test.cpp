// The measuring wizard's window rules: the status line and buttons of each
// state as the measuring thread publishes it, and the window coming to the
// front again cancelling only after the simulator had it.
#include <gtest/gtest.h>

#include <optional>

#include "lang/TextCatalog.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/UsLayout.h"
#include "ui/dialogs/MeasureWizard.h"

namespace qv::ui::dialogs {
namespace {

TEST(MeasureWizard, StatusShowsSecondsLeftRoundedUpOrTheHoldOfTheState) {
  struct Case {
    std::optional<TMeasureState> state;
    int32_t dueIn;
    const char* text;
    int32_t value;
    bool hasValue;
  };
  // hold 35, result 60 throughout
  const Case cases[] = {
      {std::nullopt, 0, "msgReady", 0, false},
      {TMeasureState::Countdown, 5000, "msgCountdown", 5, true},
      {TMeasureState::Countdown, 4001, "msgCountdown", 5, true},
      {TMeasureState::Countdown, 1, "msgCountdown", 1, true},
      {TMeasureState::Countdown, -1, "msgCountdown", 0, true},
      {TMeasureState::Searching, 700, "msgSearching", 35, true},
      {TMeasureState::Found, -1, "msgFound", 60, true},
      {TMeasureState::Confirming, 10, "msgConfirming", 35, true},
      {TMeasureState::Done, -1, "msgDone", 60, true},
      {TMeasureState::Cancelled, -1, "msgCancelled", 0, false},
      {TMeasureState::TimedOut, -1, "msgTimedOut", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const TMeasureStatus status = StatusOf(c.state, 35, 60, c.dueIn);
    EXPECT_EQ(status.Text, c.text);
    EXPECT_EQ(status.HasValue, c.hasValue);
    EXPECT_EQ(status.Value, c.value);
    // The window formats the text with the value exactly when there is one.
    const lang::CatalogEntry* entry = nullptr;
    for (const lang::CatalogEntry& e : lang::TextCatalog())
      if (e.section == "fmStepMeasure" && e.key == status.Text) entry = &e;
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->args, c.hasValue ? "d" : "");
  }
}

// Start only before the start; the second pass and "use it" only at Found
// once the thread returned; the published state is the measurement's.
TEST(MeasureWizard, ButtonsAndProgressFollowTheMeasurement) {
  sim::VirtualClock clock(1000);
  sim::RecordingKeyboard keyboard;
  sim::UsLayout layout;
  const TEngineSeams saved = Seams();
  InstallSeams(&keyboard, &layout, &clock);
  {
    const TMeasureButtons before = ButtonsOf(nullptr, false);
    EXPECT_TRUE(before.Start);
    EXPECT_FALSE(before.Confirm || before.Use);

    TKeyAction up, down;
    up.Vkey = 'A';
    up.ScanCode = 0x1E;
    down.Vkey = 'Z';
    down.ScanCode = 0x2C;
    TStepMeasure measure(up, down, clock.Now());
    TMeasureProgress progress;
    EXPECT_EQ(progress.Status().Text, "msgReady") << "nothing published yet";
    progress.Publish(measure, clock.Now());
    EXPECT_EQ(progress.Status().Text, "msgCountdown");
    EXPECT_EQ(progress.Status().Value, int32_t(TStepMeasure::CountdownMs / 1000));

    // The countdown ends, the first tap goes out, a button answers after it.
    clock.Advance(TStepMeasure::CountdownMs);
    measure.Update(clock.Now(), false);
    progress.Publish(measure, clock.Now());
    EXPECT_EQ(progress.Status().Text, "msgSearching");
    EXPECT_EQ(progress.Status().Value, TStepMeasure::FirstHoldMs);
    for (uint32_t t = 0; t < 2 * TStepMeasure::TapPeriodMs && measure.Running(); t += 5) {
      clock.Advance(5);
      measure.Update(clock.Now(), t >= TStepMeasure::UndoAfterMs + 200);
    }
    ASSERT_EQ(measure.State(), TMeasureState::Found);
    EXPECT_FALSE(ButtonsOf(&measure, true).Confirm) << "the thread has not returned yet";
    const TMeasureButtons found = ButtonsOf(&measure, false);
    EXPECT_TRUE(found.Confirm && found.Use);
    EXPECT_FALSE(found.Start);
    progress.Publish(measure, clock.Now());
    EXPECT_EQ(progress.Status().Text, "msgFound");
    EXPECT_EQ(progress.Status().Value, measure.Result());
    measure.Finish();
    const TMeasureButtons done = ButtonsOf(&measure, false);
    EXPECT_FALSE(done.Start || done.Confirm || done.Use);
    progress.Reset();
    EXPECT_EQ(progress.Status().Text, "msgReady");
  }
  EXPECT_TRUE(keyboard.KeysDown().empty());
  InstallSeams(saved.Keyboard, saved.Layout, saved.Time);
}

TEST(MeasureWizard, ComingBackToTheFrontCancelsOnlyAfterLeavingItWhileRunning) {
  struct Step {
    bool active, running, cancels;
  };
  const Step steps[] = {
      {true, true, false},                          // the wizard itself, before the user left it
      {false, true, false},                         // the simulator takes the front
      {true, true, true},                           // the program clicked: cancel
      {true, true, false},                          // once only
      {false, false, false},                        // left while waiting for the user's choice
      {true, false, false},                         // back to choose: no cancel
      {false, true, false},  {true, false, false},  // left, then the run ended by itself
  };
  TFrontWatch watch;
  for (size_t i = 0; i < std::size(steps); ++i)
    EXPECT_EQ(watch.Activated(steps[i].active, steps[i].running), steps[i].cancels) << "step " << i;
}

}  // namespace
}  // namespace qv::ui::dialogs
