#include "app/StartShow.h"

namespace qv {
namespace {

// The platform's show commands that matter here.
constexpr int ShowMinimized = 2;
constexpr int ShowMaximized = 3;
constexpr int Minimize = 6;
constexpr int ShowMinNoActive = 7;

}  // namespace

TStartShow StartShowFor(std::optional<int> showState, bool commandLineFlag, const std::u16string& fileName) {
  const int state = showState.value_or(-1);
  if (state == ShowMinimized || state == Minimize || state == ShowMinNoActive) return TStartShow::Tray;
  // A profile named on the command line that loaded: the user meant to drive,
  // not to edit, so the window keeps out of the simulator's way.
  if (commandLineFlag && !fileName.empty()) return TStartShow::Tray;
  return state == ShowMaximized ? TStartShow::Maximised : TStartShow::Normal;
}

}  // namespace qv
