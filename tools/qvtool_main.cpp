// qvtool: command-line tools over the program's file formats. The command
// table is portable; each system's entry hands it the arguments as UTF-8.
#include <array>

#include "tools/QvToolCommands.h"

namespace qv::tool {
namespace {

constexpr std::array kCommands = {
    Command{"check", "FILE", "read a Multilevel document and print it as the program would save it",
            RunCheck},
    Command{
        "profile", "PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY]",
        "load a profile as the program would with that controller and print it as the program would save it",
        RunProfile},
    Command{"replay", "PROFILE [--joystick CONTROLLER_FILE] [--joy-settings QVJOY] [--ms N]",
            "show every key and command the profile sends, as the program would, while the controller's "
            "timeline plays",
            RunReplay},
    Command{"lang", "check FILE | get FILE SECTION KEY",
            "check a language file against every text the program asks for, or print one text as the "
            "program shows it",
            RunLang},
};

int Usage(std::ostream& err) {
  err << "usage: qvtool COMMAND [ARGS]\n";
  for (const Command& c : kCommands)
    err << "  qvtool " << c.name << ' ' << c.usage << "\n      " << c.summary << '\n';
  return 2;
}

}  // namespace

int RunQvTool(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return Usage(err);
  for (const Command& c : kCommands) {
    if (args[0] == c.name) return c.run(args.subspan(1), out, err);
  }
  return Usage(err);
}

}  // namespace qv::tool
