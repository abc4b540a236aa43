#pragma once
// Runs the qvtool binary and captures its exit code, standard output and
// standard error; the error text goes through a file in a folder of the
// test's own.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/TempFolder.h"

namespace qv::test {

struct ToolRun {
  int exitCode;
  std::string out;
  std::string err;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline ToolRun Qvtool(const std::string& args) {
  TempFolder folder;
  const std::string errFile = (folder.path() / "stderr").string();
  std::string command = std::string(QVTOOL_PATH) + " " + args + " 2>\"" + errFile + "\"";
  ToolRun run{-1, {}, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char chunk[4096];
  for (size_t n; (n = fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
  int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadAll(errFile);
  return run;
}

}  // namespace qv::test
