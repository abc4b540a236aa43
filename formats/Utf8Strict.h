#pragma once
// The text files' own UTF-8 decoding: one malformed sequence spoils the whole
// line rather than being patched over, so a damaged file shows up as missing
// lines and not as silently altered names.
#include <optional>
#include <string>
#include <string_view>

namespace qv {

// Sequences of 1 to 3 bytes become one UTF-16 unit each (surrogates written
// as 3-byte sequences come back as they went out); a 4-byte sequence becomes
// a surrogate pair. Anything else, including a byte that cannot start a
// sequence, gives nullopt.
std::optional<std::u16string> DecodeUtf8Strict(std::string_view bytes);

}  // namespace qv
