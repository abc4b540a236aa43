#include "ui/dialogs/PressKeyFrame.h"

#include "engine/KeyOutput.h"
#include "ui/dialogs/resource.h"

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

std::span<const TControlText> PressKeyFrameTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"btTech", lang::Kind::SpeedButton, IDC_BT_TECH},
      {"btDelete", lang::Kind::SpeedButton, IDC_BT_DELETE},
      {"hintRepeat", lang::Kind::SpeedButton, IDC_SPIN_REPEAT},
  });
  return texts;
}

void DescribeFrames(lang::TComponent& parent, std::span<const std::string_view> frames) {
  for (std::string_view name : frames) DescribePart(parent, name, lang::Kind::Other, PressKeyFrameTexts());
}

}  // namespace qv::ui::dialogs
