// qvtool's entry on Windows, where it runs from cmd.exe. The arguments come
// as UTF-16 and go on as UTF-8, as on every other system, so a file name
// outside the ANSI code page reaches the commands whole. Standard output and
// error are binary: a document is printed byte for byte, and text mode would
// turn each CR LF into CR CR LF.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "tools/QvToolCommands.h"

namespace {

// A console shows the UTF-8 text as such while the tool runs; the console
// outlives the tool and belongs to the user, so its code page is put back.
class TUtf8Console {
 public:
  TUtf8Console() : saved_(GetConsoleOutputCP()) {
    if (saved_ != 0) SetConsoleOutputCP(CP_UTF8);
  }
  ~TUtf8Console() {
    std::fflush(nullptr);
    if (saved_ != 0) SetConsoleOutputCP(saved_);
  }
  TUtf8Console(const TUtf8Console&) = delete;
  TUtf8Console& operator=(const TUtf8Console&) = delete;

 private:
  UINT saved_;  // 0: no console, the output is a file or a pipe
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  const TUtf8Console console;
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(qv::ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  return qv::tool::RunQvTool(args, std::cout, std::cerr);
}
