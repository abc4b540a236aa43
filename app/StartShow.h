#pragma once
// How the main window first appears, from the show state the program was
// started with (a shortcut set to "minimised", for instance) and from
// whether the command line named a profile that loaded.
#include <optional>
#include <string>

namespace qv {

enum class TStartShow { Normal, Maximised, Tray };

// showState: the platform's show command when the starter gave one.
TStartShow StartShowFor(std::optional<int> showState, bool commandLineFlag, const std::u16string& fileName);

}  // namespace qv
