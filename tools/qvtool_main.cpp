// qvtool: command-line tools over the program's file formats.
#include <array>
#include <iostream>
#include <string>
#include <vector>

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
}  // namespace qv::tool

int main(int argc, char** argv) {
  using namespace qv::tool;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Usage(std::cerr);
  for (const Command& c : kCommands) {
    if (args[0] == c.name) return c.run(std::span(args).subspan(1), std::cout, std::cerr);
  }
  return Usage(std::cerr);
}
