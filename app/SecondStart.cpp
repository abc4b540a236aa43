#include "app/SecondStart.h"

#include "app/EQuiet.h"
#include "engine/Profile.h"
#include "ui/HandOff.h"

namespace qv {

bool HandOff(THandOffPlatform& platform, std::span<const std::u16string> arguments,
             const std::u16string& instanceTitle) {
  if (arguments.size() != 1) return false;
  ProfileFileName = arguments[0];
  const uintptr_t trap = platform.FindWindowByTitle(instanceTitle);
  if (trap == 0 || platform.Send(trap, ui::MsgPresenceQuery) != ui::PresenceReply) return true;
  ProfileFileName = platform.FullPath(ProfileFileName);
  const std::u16string& path = ProfileFileName;
  // A missing file starts a normal copy with an unnamed profile; a path the
  // hand-off buffer cannot carry starts a normal copy that loads it itself.
  if (!platform.FileExists(path) || path.size() >= ui::HandOffUnits) return true;
  platform.AllowForeground(trap);
  if (const uintptr_t active = platform.Send(trap, ui::MsgMainWindowQuery); active != 0) {
    platform.SetForeground(active);
    platform.SendPath(trap, path);
    throw EQuiet();
  }
  if (platform.AskStartSecondCopy()) return true;
  throw EQuiet();
}

}  // namespace qv
