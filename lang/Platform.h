#pragma once
// What the language code needs to know about the machine it runs on.

namespace qv::lang {

// True on the Windows 9x family, where the language file's "ASCII" section
// replaces characters the system cannot show. Asked once, then remembered.
bool IsWin9xPlatform();

}  // namespace qv::lang
