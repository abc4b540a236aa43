#pragma once
// What the language code needs to know about the machine it runs on.
#include <string>

namespace qv::lang {

// The folder of the running program's own file, with its trailing separator.
std::u16string ProgramFolder();

// True on the Windows 9x family, where the language file's "ASCII" section
// replaces characters the system cannot show. Asked once, then remembered.
bool IsWin9xPlatform();

}  // namespace qv::lang
