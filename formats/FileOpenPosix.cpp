// File names are UTF-16 throughout the program; this system takes UTF-8.
#include "base/Utf.h"
#include "formats/ByteStream.h"

namespace qv {

std::FILE* OpenFileUtf16(const std::u16string& fileName, const char* mode) {
  return std::fopen(ToUtf8(fileName).c_str(), mode);
}

}  // namespace qv
