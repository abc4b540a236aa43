#include "ui/dialogs/PressKeyFrame.h"

#include "engine/KeyOutput.h"

namespace qv::ui::dialogs {

TPressKeyFrame::TShown TPressKeyFrame::Shown() const {
  const bool empty = Action.Empty();
  return {empty ? std::u16string(u"---") : ActionText(Action), Action.Repeat, !empty, !empty};
}

void TButtonFrame::Load(const TKeyEvents& events) {
  frames_[Press].Load(events.Press);
  frames_[Hold].Load(events.Hold);
  frames_[Release].Load(events.Release);
}

void TButtonFrame::Store(TKeyEvents& events) const {
  events.Press = frames_[Press].Action;
  events.Hold = frames_[Hold].Action;
  events.Release = frames_[Release].Action;
}

}  // namespace qv::ui::dialogs
