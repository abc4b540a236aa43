// The Windows build: the program's folder from its module file name.
#include <string>

#include "base/ProgramFolder.h"
#include "base/win32/ProgramPath.h"

namespace qv {

std::u16string ProgramFolder() {
  const std::u16string path = win32::ProgramPath();
  const auto slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? u".\\" : path.substr(0, slash + 1);
}

}  // namespace qv
