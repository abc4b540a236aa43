// qvtool profile PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY]:
// loads the profile exactly as the program would with that controller
// attached (the example controller when none is named) and those joystick
// settings (none when not named), and prints it as the program would save
// it. Exit 0 on success; 1 with the file and the exact error for a profile
// or joystick settings file that does not read (also one the program would
// quietly pass over); 2 for a missing file or wrong usage; 3 when the profile
// loaded but a warning went to standard error: a value that could not be read
// (the program uses its default) or a key the program does not know.
#include <array>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"
#include "storage/ProfileFile.h"
#include "tools/QvToolArgs.h"
#include "tools/QvToolCommands.h"
#include "tools/QvToolFiles.h"
#include "tools/QvToolOutput.h"
#include "tools/QvToolReadCheck.h"

namespace qv::tool {
namespace {

constexpr std::array<std::string_view, 2> Options{"--joystick", "--joy-settings"};

constexpr int kWarned = 3;

int PrintProfile(const std::u16string& fileName, std::ostream& out, std::ostream& err) {
  ResetProfile();
  try {
    if (!LoadProfile(fileName)) return MissingFile(fileName, err);
  } catch (const EMultilevel& e) {
    return PrintFileError(fileName, e.message(), err);
  }
  RebuildTrackers();
  TMultilevel document;
  BuildProfileDocument(document);
  return PrintDocument(document, out);
}

}  // namespace

int RunProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<TFileArgs> parsed = ParseFileArgs(args, Options);
  if (!parsed) {
    err << "usage: qvtool profile PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY]\n";
    return 2;
  }
  input::TJoystick joystick;
  try {
    sim::TVirtualJoystick controllers(
        sim::LoadVirtualControllers(parsed->Option("--joystick").value_or(u"")));
    joystick.Initialise(controllers);
    int code = LoadJoySettingsFile(parsed->Option("--joy-settings"), err);
    if (code == 0) code = PrintProfile(parsed->File, out, err);
    joystick.Shutdown();
    if (code == 0 && WarnAboutReads(parsed->File, err)) code = kWarned;
    return code;
  } catch (const Error& e) {
    joystick.Shutdown();
    err << "qvtool: " << e.what() << '\n';
    return 2;
  }
}

}  // namespace qv::tool
