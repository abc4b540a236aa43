#pragma once
// How this process was started: its arguments and the show state the
// starter asked for (a shortcut set to "minimised", for instance).
#include <optional>
#include <string>
#include <vector>

namespace qv::win32 {

// The arguments after the program's own name.
std::vector<std::u16string> CommandLineArguments();
// The starter's show command; nullopt when it gave none.
std::optional<int> StartupShowState();

}  // namespace qv::win32
