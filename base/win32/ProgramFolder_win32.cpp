// The Windows build: the program's folder from its module file name.
#include <windows.h>

#include <string>

#include "base/ProgramFolder.h"

static_assert(sizeof(wchar_t) == 2);

namespace qv {

std::u16string ProgramFolder() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), static_cast<DWORD>(path.size()));
    if (length == 0) return u".\\";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // truncated: a long path, try a larger buffer
  }
  const auto slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? u".\\" : path.substr(0, slash + 1);
}

}  // namespace qv
