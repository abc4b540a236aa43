#pragma once
// Integers in Multilevel values: leading spaces, an optional sign, decimal
// digits or hexadecimal ones after "$", "x", "X", "0x" or "0X", within the
// 32-bit signed range and with nothing after the digits.
#include <cstdint>
#include <optional>
#include <string_view>

namespace qv {

std::optional<int32_t> ParseMultilevelInt(std::u16string_view text);

}  // namespace qv
