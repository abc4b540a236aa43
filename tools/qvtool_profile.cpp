// qvtool profile PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY]:
// loads the profile exactly as the program would with that controller
// attached (the example controller when none is named) and those joystick
// settings (none when not named), and prints it as the program would save
// it. Exit 0 on success; 1 with the exact error for a profile or joystick
// settings file that does not read (also one the program would quietly pass
// over); 2 for a missing file or wrong usage; 3 when the profile loaded but
// a warning went to standard error: a value that could not be read (the
// program uses its default) or a key the program does not know.
#include <algorithm>
#include <optional>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"
#include "storage/FilePaths.h"
#include "storage/JoySettingsFile.h"
#include "storage/ProfileFile.h"
#include "tools/QvToolCommands.h"
#include "tools/QvToolOutput.h"
#include "tools/QvToolReadCheck.h"

namespace qv::tool {
namespace {

struct TProfileArgs {
  std::u16string profile;
  std::u16string joystick;  // empty: the example controller
  std::optional<std::u16string> joySettings;
};

std::optional<TProfileArgs> ParseArgs(std::span<const std::string> args) {
  TProfileArgs parsed;
  bool haveProfile = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--joystick" && hasValue) {
      parsed.joystick = FromUtf8(args[++i]);
    } else if (args[i] == "--joy-settings" && hasValue) {
      parsed.joySettings = FromUtf8(args[++i]);
    } else if (!haveProfile && !args[i].starts_with("--")) {
      parsed.profile = FromUtf8(args[i]);
      haveProfile = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveProfile) return std::nullopt;
  return parsed;
}

constexpr int kWarned = 3;

int Missing(const std::u16string& fileName, std::ostream& err) {
  err << "qvtool: Cannot open file \"" << ToUtf8(fileName) << "\"\n";
  return 2;
}

// The joystick settings as the program starts with them; exit code.
int LoadSettings(const std::optional<std::u16string>& fileName, std::ostream& err) {
  JoySettings = TJoySettings{};
  if (!fileName) return 0;
  if (!IsExistingFile(*fileName)) return Missing(*fileName, err);
  // The program would quietly start without a file that does not parse;
  // whoever names it here wants to hear why it is not used.
  try {
    TMultilevel document;
    document.LoadFromFile(*fileName);
  } catch (const EMultilevel& e) {
    return PrintDocumentError(e, err);
  }
  const std::u16string error = LoadJoySettings(*fileName);
  if (error.empty()) return 0;
  std::string text = ToUtf8(error);
  std::replace(text.begin(), text.end(), '\r', '\n');
  err << text << '\n';
  return 1;
}

int PrintProfile(const std::u16string& fileName, std::ostream& out, std::ostream& err) {
  ResetProfile();
  try {
    if (!LoadProfile(fileName)) return Missing(fileName, err);
  } catch (const EMultilevel& e) {
    return PrintDocumentError(e, err);
  }
  RebuildTrackers();
  TMultilevel document;
  BuildProfileDocument(document);
  return PrintDocument(document, out);
}

}  // namespace

int RunProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<TProfileArgs> parsed = ParseArgs(args);
  if (!parsed) {
    err << "usage: qvtool profile PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY]\n";
    return 2;
  }
  input::TJoystick joystick;
  try {
    sim::TVirtualJoystick controllers(sim::LoadVirtualControllers(parsed->joystick));
    joystick.Initialise(controllers);
    int code = LoadSettings(parsed->joySettings, err);
    if (code == 0) code = PrintProfile(parsed->profile, out, err);
    joystick.Shutdown();
    if (code == 0 && WarnAboutReads(parsed->profile, err)) code = kWarned;
    return code;
  } catch (const Error& e) {
    joystick.Shutdown();
    err << "qvtool: " << e.what() << '\n';
    return 2;
  }
}

}  // namespace qv::tool
