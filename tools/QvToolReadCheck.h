#pragma once
// What qvtool profile adds to the program's own reading of a profile: the
// program takes a value it cannot read as the default and passes over a key
// it does not know, in silence; a player checking a hand-edited file is told
// of each one.
#include <ostream>
#include <string>

namespace qv::tool {

// Reads the profile once more, against a controller with every control the
// program can take, and writes one warning line per value that could not be
// read (with what was used instead) and per key nothing read. True when it
// wrote any. Raises what reading the file raises.
bool WarnAboutReads(const std::u16string& fileName, std::ostream& err);

}  // namespace qv::tool
