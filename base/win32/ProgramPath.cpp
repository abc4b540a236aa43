#include "base/win32/ProgramPath.h"

#include <windows.h>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv::win32 {

std::u16string ProgramPath() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // Truncated: the name fills the buffer exactly, so try a larger one.
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace qv::win32
