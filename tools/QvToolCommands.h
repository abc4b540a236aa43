#pragma once
// qvtool's subcommands. Each lives in its own file and is listed once in the
// table of qvtool_main.cpp.
#include <ostream>
#include <span>
#include <string>

namespace qv::tool {

// Arguments after the command name. Returns the process exit code.
using CommandFn = int (*)(std::span<const std::string> args, std::ostream& out, std::ostream& err);

struct Command {
  const char* name;
  const char* usage;  // the arguments, for the usage text
  const char* summary;
  CommandFn run;
};

// The whole tool: the first argument names the command.
int RunQvTool(std::span<const std::string> args, std::ostream& out, std::ostream& err);

int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunReplay(std::span<const std::string> args, std::ostream& out, std::ostream& err);
int RunLang(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace qv::tool
