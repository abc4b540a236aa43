#pragma once
// The process environment, read as UTF-16 like every file name the program uses.
#include <string>

namespace qv {

// Empty when the variable is not set.
std::u16string EnvironmentVariable(const char* name);

}  // namespace qv
