// The Windows build: the platform family from GetVersionEx.
#include <windows.h>

#include "lang/Platform.h"

namespace qv::lang {

bool IsWin9xPlatform() {
  static const bool win9x = [] {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExW(&info) && info.dwPlatformId < VER_PLATFORM_WIN32_NT;
  }();
  return win9x;
}

}  // namespace qv::lang
