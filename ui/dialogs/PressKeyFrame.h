#pragma once
// The rules of the key frames: one action edited as a working copy
// (TPressKeyFrame), and the three of a key block (TButtonFrame). The window
// that embeds them loads the copies before it shows and stores them back
// only on OK, so a cancelled window leaves the profile as it was.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/KeyAction.h"
#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

class TPressKeyFrame {
 public:
  static constexpr int32_t MinRepeat = 1;
  static constexpr int32_t MaxRepeat = 99;

  // What the frame's controls show for the working copy.
  struct TShown {
    std::u16string KeyText;  // the action's text, or "---" when it is empty
    int32_t Repeat;          // the spin edit bounds it; the copy keeps what was stored
    bool RepeatEnabled;
    bool DeleteEnabled;
  };

  void Load(const TKeyAction& action) { Action = action; }
  TShown Shown() const;
  // Every field empty, Repeat 1.
  void Clear() { Action.Clear(); }
  // The user changed the spin edit.
  void SetRepeat(int32_t repeat) { Action.Repeat = repeat; }

  TKeyAction Action;
};

class TButtonFrame {
 public:
  enum TPart { Press, Hold, Release };
  void Load(const TKeyEvents& events);
  void Store(TKeyEvents& events) const;
  TPressKeyFrame& Frame(TPart part) { return frames_[size_t(part)]; }

 private:
  std::array<TPressKeyFrame, 3> frames_;
};

// A key frame's own controls with texts: its picture buttons, whose tooltips
// the walk translates in the window's section.
std::span<const TControlText> PressKeyFrameTexts();
// Key frames named frames under parent, each with its picture buttons.
void DescribeFrames(lang::TComponent& parent, std::span<const std::string_view> frames);

}  // namespace qv::ui::dialogs
