// The wide environment: a file name outside the ANSI code page must come through.
#include <windows.h>

#include "base/Environment.h"
#include "base/Utf.h"

namespace qv {

std::u16string EnvironmentVariable(const char* name) {
  const std::wstring wide(name, name + std::char_traits<char>::length(name));
  std::wstring value(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetEnvironmentVariableW(wide.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (n == 0) return {};
    if (n < value.size()) return std::u16string(reinterpret_cast<const char16_t*>(value.data()), n);
    value.resize(n);  // n is the size needed, terminator included
  }
}

}  // namespace qv
