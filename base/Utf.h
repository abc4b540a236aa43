#pragma once
// Standard UTF-8 <-> UTF-16 conversions for the program's own plumbing
// (command-line output, exception texts, literals in tests). The text-file
// readers and writers follow their own stricter rules and do not use these.
#include <string>
#include <string_view>

namespace qv {

// Surrogate pairs become one 4-byte sequence; a lone surrogate becomes U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Malformed sequences become U+FFFD; never throws.
std::u16string FromUtf8(std::string_view text);

}  // namespace qv
