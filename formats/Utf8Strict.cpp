#include "formats/Utf8Strict.h"

namespace qv {

std::optional<std::u16string> DecodeUtf8Strict(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    unsigned lead = static_cast<unsigned char>(bytes[i]);
    size_t more;
    char32_t cp;
    if (lead < 0x80) {
      more = 0, cp = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      more = 1, cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      more = 2, cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      more = 3, cp = lead & 0x07;
    } else {
      return std::nullopt;
    }
    if (bytes.size() - i - 1 < more) return std::nullopt;
    for (size_t k = 1; k <= more; ++k) {
      unsigned next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return std::nullopt;
      cp = (cp << 6) | (next & 0x3F);
    }
    i += more + 1;
    if (cp < 0x10000) {
      out.push_back(static_cast<char16_t>(cp));
    } else if (cp <= 0x10FFFF) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      return std::nullopt;
    }
  }
  return out;
}

}  // namespace qv
