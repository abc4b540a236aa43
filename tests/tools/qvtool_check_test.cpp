// Runs the qvtool binary on golden inputs and compares its output and exit
// code byte for byte.
#include "QvtoolRun.h"

namespace {

using qv::test::Qvtool;
using qv::test::ReadAll;
using qv::test::ToolRun;

std::string Golden(const std::string& name) { return std::string(GOLDEN_DIR) + "/" + name; }

TEST(QvtoolCheck, PrintsDocumentsAsTheWriterWritesThem) {
  for (const char* name : {"ansi_messy", "utf16be"}) {
    ToolRun run = Qvtool("check " + Golden(std::string(name) + ".ml"));
    EXPECT_EQ(run.exitCode, 0) << name;
    EXPECT_EQ(run.out, ReadAll(Golden(std::string(name) + ".expected"))) << name;
    EXPECT_EQ(run.err, "") << name;
  }
}

TEST(QvtoolCheck, PrintsTheLoaderErrorAndExitsOne) {
  for (const char* name : {"bad_line", "unclosed"}) {
    ToolRun run = Qvtool("check " + Golden(std::string(name) + ".ml"));
    EXPECT_EQ(run.exitCode, 1) << name;
    EXPECT_EQ(run.out, "") << name;
    EXPECT_EQ(run.err, ReadAll(Golden(std::string(name) + ".expected"))) << name;
  }
}

TEST(QvtoolCheck, MissingFileAndBadUsageExitTwo) {
  ToolRun missing = Qvtool("check no_such_file.ml");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "qvtool: Cannot open file \"no_such_file.ml\"\n");

  for (const char* args : {"", "check", "check a b", "frobnicate"}) {
    ToolRun run = Qvtool(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("usage: qvtool"), std::string::npos) << args;
    EXPECT_EQ(run.out, "") << args;
  }
}

}  // namespace
