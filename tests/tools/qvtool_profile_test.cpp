// qvtool profile: the example profile against the example controller, with
// and without its joystick settings, and against a smaller controller.
#include <vector>

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

// Lines ended by CR LF, as qvtool prints them (no byte order mark).
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) (text += line) += "\r\n";
  return text;
}

TEST(QvtoolProfile, PrintsTheProfileAsTheProgramWouldSaveItWithThatJoystick) {
  TempFolder folder;
  const std::string small =
      WriteFile(folder, "small.ml", "{ MULTILEVEL\n{ CONTROLLER\nName=Small\nAxis0=Lever\n}\n}\n");
  const std::string settings = " --joy-settings " + Example("virtual-train-controller.qvjoy");
  const std::string timed =
      WriteFile(folder, "timed.qvprof",
                "{ MULTILEVEL\n{ AXES\n{ AXIS\nIndex=0\nStepGap=60\nStepHold=80\n{ POSITIONS\n"
                "{ POSITION\nIndex=3\nGateHold=400\n}\n}\n}\n}\n}\n");
  // Every axis the settings read is saved, the brake lever with its key.
  const std::string example = Lines({"{ MULTILEVEL",
                                     "  { AXES",
                                     "    { AXIS",
                                     "      Index=0",
                                     "    }",
                                     "    { AXIS",
                                     "      Index=1",
                                     "      { POSITIONS",
                                     "\t{ POSITION",
                                     "\t  Index=2",
                                     "\t  { PRESS",
                                     "\t    ScanCode=30",
                                     "\t  }",
                                     "\t}",
                                     "      }",
                                     "    }",
                                     "    { AXIS",
                                     "      Index=2",
                                     "    }",
                                     "  }",
                                     "}"});
  struct Case {
    std::string args;
    std::string out;
  };
  const Case cases[] = {
      {ExampleProfile() + settings, example},
      {"--joystick " + Example("virtual-train-controller.ml") + " " + ExampleProfile() + settings, example},
      // A lever's own tap timing and a notch's gate.
      {timed + settings, Lines({"{ MULTILEVEL",
                                "  { AXES",
                                "    { AXIS",
                                "      Index=0",
                                "      StepHold=80",
                                "      StepGap=60",
                                "      { POSITIONS",
                                "\t{ POSITION",
                                "\t  Index=3",
                                "\t  GateHold=400",
                                "\t}",
                                "      }",
                                "    }",
                                "    { AXIS",
                                "      Index=1",
                                "    }",
                                "    { AXIS",
                                "      Index=2",
                                "    }",
                                "  }",
                                "}"})},
      // Without joystick settings no axis is read, so none is saved.
      {ExampleProfile(), Lines({"{ MULTILEVEL", "}"})},
      // A controller with axis 0 only skips the entry of axis 1.
      {ExampleProfile() + settings + " --joystick " + small,
       Lines({"{ MULTILEVEL", "  { AXES", "    { AXIS", "      Index=0", "    }", "  }", "}"})},
  };
  for (const Case& c : cases) {
    ToolRun run = Qvtool("profile " + c.args);
    EXPECT_EQ(run.exitCode, 0) << c.args;
    EXPECT_EQ(run.out, c.out) << c.args;
    EXPECT_EQ(run.err, "") << c.args;
  }
}

// A hand-edited profile loads as the program loads it, and every value the
// program would take as its default and every key it would pass over is a
// warning on standard error (file, line, what was used instead): exit 3.
TEST(QvtoolProfile, WarnsOfEachUnreadableValueAndUnknownKeyAndExitsThree) {
  TempFolder folder;
  struct Case {
    const char* what;
    std::string body;  // inside "{ MULTILEVEL", which is line 1
    std::vector<std::string> warnings;
  };
  const Case cases[] = {
      {"numbers in words",
       "{ AXES\n{ AXIS\nIndex=1\nInitialPos=one\nPosLimit=five\n}\n}\n",
       {"line 5: InitialPos=one could not be read, 0 used instead",
        "line 6: PosLimit=five could not be read, 0 used instead"}},
      {"a pause in words",
       "{ COMPATIBILITY\nShiftPause=20\nTapPause=short\n}\n",
       {"line 4: TapPause=short could not be read, 0 used instead"}},
      {"a park state neither named nor listed",
       "{ BUTTONS\n{ BUTTON\nIndex=0\nParkPos=Sideways\n}\n{ BUTTON\nIndex=1\nParkPos=7\n}\n}\n",
       {"line 5: ParkPos=Sideways could not be read, None used instead",
        "line 9: ParkPos=7 could not be read, None used instead"}},
      {"a key's command and count",
       "{ BUTTONS\n{ BUTTON\nIndex=0\n{ PRESS\nSysCmd=Frobnicate\nRepeat=twice\n}\n}\n}\n",
       {"line 6: SysCmd=Frobnicate could not be read, none used instead",
        "line 7: Repeat=twice could not be read, 1 used instead"}},
      {"keys the program does not know",
       "Colour=red\n{ BUTTONS\n{ BUTTON\nIndex=0\n{ HOLD\nVkey=65\nRepeat=2\n}\n}\n}\n",
       {"line 2: unknown key Colour, ignored", "line 8: unknown key Repeat, ignored"}},
      {"a key given twice",
       "{ AXES\n{ AXIS\nIndex=0\nInitialPos=1\nInitialPos=2\n}\n}\n",
       {"line 6: InitialPos is given twice in its section, this one is ignored"}},
      // The example controller has no axis 9; one that has it reads the entry.
      {"an entry for a control this controller lacks",
       "{ AXES\n{ AXIS\nIndex=9\nResyncLast=x\n}\n}\n",
       {"line 5: ResyncLast=x could not be read, 0 used instead"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string profile = WriteFile(folder, "edited.qvprof", "{ MULTILEVEL\n" + c.body + "}\n");
    std::string expected;
    for (const std::string& warning : c.warnings) expected += profile + ", " + warning + "\n";
    ToolRun run = Qvtool("profile " + profile);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, expected);
    EXPECT_EQ(run.out.rfind("{ MULTILEVEL\r\n", 0), 0u) << run.out;
  }
}

TEST(QvtoolProfile, FileErrorsExitOneMissingFilesAndBadUsageTwo) {
  TempFolder folder;
  const std::string badProfile = WriteFile(folder, "bad.qvprof", "{ MULTILEVEL\n{ AXES\n{ AXIS\n}\n}\n}\n");
  const std::string badSettings =
      WriteFile(folder, "bad.qvjoy", "{ MULTILEVEL\n{ AXES\n{ AXIS\nIndex=1\nType=Analog\n}\n}\n}\n");
  const std::string unclosed = WriteFile(folder, "unclosed.qvjoy", "{ MULTILEVEL\n");
  const std::string missing = (folder.path() / "missing.qvprof").string();
  struct Case {
    std::string args;
    int exitCode;
    std::string err;
  };
  const Case cases[] = {
      {badProfile, 1,
       badProfile + ": Multilevel application error in line 3:\nVariable Index doesn't exist.\n"},
      {ExampleProfile() + " --joy-settings " + badSettings, 1,
       badSettings + ": Multilevel application error in line 3:\nVariable Neutral doesn't exist.\n"},
      {ExampleProfile() + " --joy-settings " + unclosed, 1,
       unclosed + ": Multilevel loader error in line 3:\nInvalid format\n"},
      {missing, 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
      {ExampleProfile() + " --joy-settings " + missing, 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
  };
  for (const Case& c : cases) {
    ToolRun run = Qvtool("profile " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
    EXPECT_EQ(run.err, c.err) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
  }
  for (const char* args : {"profile", "profile a b", "profile a --joystick", "profile --joy-settings a",
                           "profile a --frobnicate b"}) {
    ToolRun run = Qvtool(args);
    EXPECT_EQ(run.exitCode, 2) << args;
    EXPECT_NE(run.err.find("usage: qvtool profile"), std::string::npos) << args;
  }
  ToolRun noController = Qvtool("profile " + ExampleProfile() + " --joystick " + missing);
  EXPECT_EQ(noController.exitCode, 2);
  EXPECT_NE(noController.err.find("missing.qvprof"), std::string::npos) << noController.err;
}

}  // namespace
