// qvtool's entry on every system but Windows: the arguments are UTF-8 as they come.
#include <iostream>
#include <string>
#include <vector>

#include "tools/QvToolCommands.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return qv::tool::RunQvTool(args, std::cout, std::cerr);
}
