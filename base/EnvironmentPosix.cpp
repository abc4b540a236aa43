#include <cstdlib>

#include "base/Environment.h"
#include "base/Utf.h"

namespace qv {

std::u16string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value ? FromUtf8(value) : std::u16string();
}

}  // namespace qv
