#pragma once
// fmCompatibility's rules: the profile's two compatibility pauses, edited as
// working copies and written back on OK, which marks the profile modified.
#include <cstdint>
#include <span>

#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

class TCompatibility {
 public:
  static constexpr int32_t MinPause = 0;
  static constexpr int32_t MaxPause = 1000;

  // From ShiftPause and TapPause, as stored (a file may hold more than the
  // window can show; only OK bounds them).
  void Load();
  // OK: both pauses, bounded to the window's range, and the profile is modified.
  void Store() const;

  int32_t ShiftDelay = 0;
  int32_t PressDelay = 0;
};

std::span<const TControlText> CompatibilityTexts();

}  // namespace qv::ui::dialogs
