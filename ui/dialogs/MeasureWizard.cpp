#include "ui/dialogs/MeasureWizard.h"

#include <algorithm>
#include <array>

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

TMeasureStatus StatusOf(std::optional<TMeasureState> state, int32_t hold, int32_t result, int32_t dueInMs) {
  if (!state) return {"msgReady"};
  switch (*state) {
    case TMeasureState::Countdown:
      // Whole seconds left, counted up: "0" would show while taps are still due.
      return {"msgCountdown", (std::max(dueInMs, 0) + 999) / 1000, true};
    case TMeasureState::Searching:
      return {"msgSearching", hold, true};
    case TMeasureState::Found:
      return {"msgFound", result, true};
    case TMeasureState::Confirming:
      return {"msgConfirming", hold, true};
    case TMeasureState::Done:
      return {"msgDone", result, true};
    case TMeasureState::Cancelled:
      return {"msgCancelled"};
    case TMeasureState::TimedOut:
      return {"msgTimedOut"};
  }
  return {"msgReady"};
}

TMeasureButtons ButtonsOf(const TStepMeasure* measure, bool running) {
  if (measure == nullptr) return {.Start = true};
  const bool found = !running && measure->State() == TMeasureState::Found;
  return {.Confirm = found, .Use = found};
}

void TMeasureProgress::Publish(const TStepMeasure& measure, uint32_t now) {
  hold_.store(measure.CurrentHold());
  result_.store(measure.Result());
  dueIn_.store(measure.DueIn(now));
  state_.store(static_cast<int32_t>(measure.State()));
}

TMeasureStatus TMeasureProgress::Status() const {
  const int32_t state = state_.load();
  if (state < 0) return StatusOf(std::nullopt, 0, 0, 0);
  return StatusOf(static_cast<TMeasureState>(state), hold_.load(), result_.load(), dueIn_.load());
}

bool TFrontWatch::Activated(bool active, bool running) {
  if (!running) {
    left_ = false;
    return false;
  }
  if (!active) {
    left_ = true;
    return false;
  }
  const bool back = left_;
  left_ = false;
  return back;
}

std::span<const TControlText> StepMeasureTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"lbInstruction", lang::Kind::Label, IDC_LB_INSTRUCTION},
      {"btStart", lang::Kind::Button, IDC_BT_START},
      {"btConfirm", lang::Kind::Button, IDC_BT_CONFIRM},
      {"btUse", lang::Kind::Button, IDC_BT_USE},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
