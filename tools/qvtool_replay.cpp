// qvtool replay PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY] [--ms N]:
// what the profile sends, exactly as the program would send it, while the
// controller's timeline plays (the example controller and its joystick
// settings when no controller is named): the program's own poll loop on a
// virtual clock from 0, started as a profile load starts it with the
// simulator in front and stopped after N ms (by default a second after the
// timeline's last point; a timeline that loops needs --ms). One line per
// record (see ReplayLines.h), the same every run. Warnings for profile
// entries the controller lacks go to standard error. Exit 0 when done; 1
// with the file and line for a file that does not read; 2 for a missing
// file or wrong usage.
#include <array>
#include <charconv>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "sim/VirtualJoystick.h"
#include "storage/FilePaths.h"
#include "tools/QvToolArgs.h"
#include "tools/QvToolCommands.h"
#include "tools/QvToolFiles.h"
#include "tools/QvToolOutput.h"
#include "tools/Replay.h"
#include "tools/ReplayLines.h"

namespace qv::tool {
namespace {

constexpr std::array<std::string_view, 3> Options{"--joystick", "--joy-settings", "--ms"};

int Usage(std::ostream& err) {
  err << "usage: qvtool replay PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY] [--ms N]\n";
  return 2;
}

// A whole number of milliseconds, 0 to 2^31-1; nullopt for anything else.
std::optional<uint32_t> Milliseconds(const std::u16string& text) {
  const std::string digits = ToUtf8(text);
  int32_t ms = -1;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), ms);
  if (error != std::errc() || end != digits.data() + digits.size() || ms < 0) return std::nullopt;
  return static_cast<uint32_t>(ms);
}

struct TControlList {
  const char* section;
  const char* kind;
  const int& count;
  const TJoyControlData* list;
};

// Each entry of the profile for a control the attached controller lacks,
// which the program passes over without a word.
void WarnMissingControls(const std::u16string& fileName, const TMultilevel& profile, std::ostream& err) {
  const std::array<TControlList, 3> lists{{{"AXES", "axis", JoyAxisCount, JoyAxes.data()},
                                           {"HATS", "hat", JoyHatCount, JoyHats.data()},
                                           {"BUTTONS", "button", JoyButtonCount, JoyButtons.data()}}};
  for (const TControlList& l : lists) {
    const TMultilevel* section = profile.FindSection(l.section);
    if (section == nullptr) continue;
    for (const auto& entry : section->Sections) {
      const TVariable* index = entry->FindVariable("Index");
      if (index == nullptr || FindControlByIndex(l.count, l.list, entry->ReadInteger("Index", -1)) >= 0)
        continue;
      err << "qvtool: warning: " << ToUtf8(fileName) << ", line " << entry->LineNo
          << ": the controller has no " << l.kind << ' ' << ToUtf8(index->Value)
          << "; the entry is skipped.\n";
    }
  }
}

int Replay(const TFileArgs& args, std::vector<sim::TVirtualController> controllers, std::ostream& out,
           std::ostream& err) {
  std::optional<uint32_t> end;
  if (const auto ms = args.Option("--ms")) {
    end = Milliseconds(*ms);
    if (!end) return Usage(err);
  }
  if (!IsExistingFile(args.File)) return MissingFile(args.File, err);
  TReplay replay(std::move(controllers));
  if (!end) end = NaturalEnd(replay.Controller());
  if (!end) {
    err << "qvtool: the controller's timeline loops: name the end with --ms N\n";
    return Usage(err);
  }
  std::optional<std::vector<TReplayEvent>> events;
  try {
    TMultilevel profile;
    profile.LoadFromFile(args.File);
    WarnMissingControls(args.File, profile, err);
    events = replay.Run(args.File, *end);
  } catch (const EMultilevel& e) {
    return PrintFileError(args.File, e.message(), err);
  }
  if (!events) return MissingFile(args.File, err);
  for (const TReplayEvent& event : *events) out << ReplayLine(event) << '\n';
  return out.flush() ? 0 : 2;
}

}  // namespace

int RunReplay(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const std::optional<TFileArgs> parsed = ParseFileArgs(args, Options);
  if (!parsed) return Usage(err);
  const std::optional<std::u16string> joystick = parsed->Option("--joystick");
  const std::u16string controllerFile = joystick.value_or(sim::DefaultControllerFile());
  if (!IsExistingFile(controllerFile)) return MissingFile(controllerFile, err);
  // The example controller comes with its joystick settings; any other with
  // those named, or none, as in qvtool profile.
  std::optional<std::u16string> settings = parsed->Option("--joy-settings");
  if (!joystick && !settings) settings = sim::DefaultControllerSettingsFile();
  try {
    std::vector<sim::TVirtualController> controllers = sim::LoadVirtualControllers(controllerFile);
    const int code = LoadJoySettingsFile(settings, err);
    return code != 0 ? code : Replay(*parsed, std::move(controllers), out, err);
  } catch (const Error& e) {
    err << "qvtool: " << e.what() << '\n';
    return 1;
  }
}

}  // namespace qv::tool
