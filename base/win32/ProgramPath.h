#pragma once
// The full path of the running program's own file, however long the path
// and whatever characters its folders hold.
#include <string>

namespace qv::win32 {

// Empty if the system cannot tell.
std::u16string ProgramPath();

}  // namespace qv::win32
