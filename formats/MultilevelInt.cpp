#include "formats/MultilevelInt.h"

namespace qv {
namespace {

int DigitValue(char16_t c, int base) {
  int v = c >= u'0' && c <= u'9'   ? c - u'0'
          : c >= u'a' && c <= u'f' ? c - u'a' + 10
          : c >= u'A' && c <= u'F' ? c - u'A' + 10
                                   : 99;
  return v < base ? v : -1;
}

}  // namespace

std::optional<int32_t> ParseMultilevelInt(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  int base = 10;
  if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
    base = 16, i += 1;
  } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
    base = 16, i += 2;
  }
  if (i == text.size()) return std::nullopt;
  int64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    int digit = DigitValue(text[i], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > int64_t{INT32_MAX} + 1) return std::nullopt;
  }
  int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace qv
