#pragma once
// The files qvtool's commands read as the program reads them, with the
// errors a command-line user needs: a missing file is a usage error (exit
// 2), a file that does not read names itself and its line (exit 1).
#include <optional>
#include <ostream>
#include <string>

namespace qv::tool {

// Exit code 2.
int MissingFile(const std::u16string& fileName, std::ostream& err);
// The joystick settings as the program starts with them (none when not
// named); exit code. The program would quietly start without a file that
// does not read; whoever names it here wants to hear why it is not used.
int LoadJoySettingsFile(const std::optional<std::u16string>& fileName, std::ostream& err);

}  // namespace qv::tool
