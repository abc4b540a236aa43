// The native build: the program's folder from the kernel's link to the
// running executable.
#include "base/ProgramFolder.h"

#include <unistd.h>

#include <array>

#include "base/Utf.h"

namespace qv {

std::u16string ProgramFolder() {
  std::array<char, 4096> buffer{};
  const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (length <= 0) return u"./";
  std::string path(buffer.data(), static_cast<std::size_t>(length));
  return FromUtf8(path.substr(0, path.rfind('/') + 1));
}

}  // namespace qv
