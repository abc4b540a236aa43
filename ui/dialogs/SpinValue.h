#pragma once
// The number a spin edit holds, read from its text as the user left it: the
// up-down's own position cannot hold a value outside its range, and a user
// may type anything.
#include <cstdint>
#include <string_view>

namespace qv::ui::dialogs {

// Optional sign and decimal digits, surrounding blanks allowed; the result is
// clamped to min..max. Text that is no number (empty included) gives min.
int32_t SpinValueFromText(std::u16string_view text, int32_t min, int32_t max);

}  // namespace qv::ui::dialogs
