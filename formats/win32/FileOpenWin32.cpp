// Wide file names go to the system unchanged, so any name the user can type
// opens, whatever the ANSI code page.
#include <cstdio>
#include <string>

#include "formats/ByteStream.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv {

std::FILE* OpenFileUtf16(const std::u16string& fileName, const char* mode) {
  std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(reinterpret_cast<const wchar_t*>(fileName.c_str()), wideMode.c_str());
}

}  // namespace qv
