#pragma once
// The number a spin edit holds, read from its text as the user left it: the
// up-down's own position cannot hold a value outside its range, and a user
// may type anything.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::ui::dialogs {

enum class TSpinCheck { InRange, OutOfRange, NotANumber };

struct TSpinParse {
  TSpinCheck Check;
  // The number clamped to min..max; min when the text is no number.
  int32_t Value;
};

// Optional sign and decimal digits, surrounding blanks allowed. Empty text
// is no number.
TSpinParse ParseSpinText(std::u16string_view text, int32_t min, int32_t max);

// ParseSpinText's value: what a window that reads the field anyway takes.
int32_t SpinValueFromText(std::u16string_view text, int32_t min, int32_t max);

// What the balloon over a refused field says: a title for the fault and a
// text naming the range, from the language file. None for a number in range.
struct TSpinComplaint {
  std::u16string Title;
  std::u16string Text;
};
std::optional<TSpinComplaint> SpinComplaint(std::u16string_view text, int32_t min, int32_t max);

}  // namespace qv::ui::dialogs
