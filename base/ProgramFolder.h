#pragma once
// Where the program's own files live: the language files, the joystick
// settings and the program settings sit beside the program.
#include <string>

namespace qv {

// The folder of the running program's own file, with its trailing separator.
std::u16string ProgramFolder();

}  // namespace qv
