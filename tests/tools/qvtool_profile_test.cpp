// qvtool profile: the example profile against the example controller, with
// and without its joystick settings, and against a smaller controller.
#include "QvtoolRun.h"

namespace {

using qv::test::Qvtool;
using qv::test::ReadAll;
using qv::test::TempFolder;
using qv::test::ToolRun;

std::string Example(const std::string& name) { return std::string(EXAMPLE_DIR) + "/" + name; }
std::string ExampleProfile() { return std::string(FILES_GOLDEN_DIR) + "/example.qvprof"; }

std::string WriteFile(const TempFolder& folder, const std::string& name, const std::string& text) {
  const std::string path = (folder.path() / name).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(QvtoolProfile, PrintsTheProfileAsTheProgramWouldSaveItWithThatJoystick) {
  TempFolder folder;
  const std::string small =
      WriteFile(folder, "small.ml", "{ MULTILEVEL\n{ CONTROLLER\nName=Small\nAxis0=Lever\n}\n}\n");
  const std::string settings = " --joy-settings " + Example("virtual-train-controller.qvjoy");
  const std::string empty = "{ MULTILEVEL\r\n}\r\n";
  struct Case {
    std::string args;
    std::string out;
  };
  const Case cases[] = {
      {ExampleProfile() + settings, ReadAll(ExampleProfile()).substr(3)},
      {"--joystick " + Example("virtual-train-controller.ml") + " " + ExampleProfile() + settings,
       ReadAll(ExampleProfile()).substr(3)},
      // Without joystick settings the brake lever is not read, so it is not saved either.
      {ExampleProfile(), empty},
      // A controller without axis 1 skips its entry.
      {ExampleProfile() + settings + " --joystick " + small, empty},
  };
  for (const Case& c : cases) {
    ToolRun run = Qvtool("profile " + c.args);
    EXPECT_EQ(run.exitCode, 0) << c.args;
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.err, "") << c.args;
  }
}

TEST(QvtoolProfile, FileErrorsExitOneMissingFilesAndBadUsageTwo) {
  TempFolder folder;
  const std::string badProfile = WriteFile(folder, "bad.qvprof", "{ MULTILEVEL\n{ AXES\n{ AXIS\n}\n}\n}\n");
  const std::string badSettings =
      WriteFile(folder, "bad.qvjoy", "{ MULTILEVEL\n{ AXES\n{ AXIS\nIndex=1\nType=Analog\n}\n}\n}\n");
  const std::string missing = (folder.path() / "missing.qvprof").string();
  struct Case {
    std::string args;
    int exitCode;
    std::string err;
  };
  const Case cases[] = {
      {badProfile, 1, "Multilevel application error in line 3:\nVariable Index doesn't exist.\n"},
      {ExampleProfile() + " --joy-settings " + badSettings, 1,
       "Multilevel application error in line 3:\nVariable Neutral doesn't exist.\n"},
      {missing, 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
      {ExampleProfile() + " --joy-settings " + missing, 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
  };
  for (const Case& c : cases) {
    ToolRun run = Qvtool("profile " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
    EXPECT_EQ(run.err, c.err) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
  }
  for (const std::string& args : {std::string("profile"), "profile a b", "profile a --joystick",
                                  "profile --joy-settings a", "profile a --frobnicate b"}) {
    ToolRun run = Qvtool(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("usage: qvtool profile"), std::string::npos) << args;
  }
  ToolRun noController = Qvtool("profile " + ExampleProfile() + " --joystick " + missing);
  EXPECT_EQ(noController.exitCode, 2);
  EXPECT_NE(noController.err.find("missing.qvprof"), std::string::npos) << noController.err;
}

}  // namespace
