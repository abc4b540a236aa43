// qvtool replay: small profiles and controllers through the real poll loop,
// each against the records it must give; the same records every run; and
// what the command does with files it cannot use.
#include "QvtoolRun.h"

namespace {

using qv::test::Qvtool;
using qv::test::ReadAll;
using qv::test::TempFolder;
using qv::test::ToolRun;

std::string Golden(const std::string& name) { return std::string(GOLDEN_DIR) + "/replay/" + name; }
std::string Example(const std::string& name) { return std::string(EXAMPLE_DIR) + "/" + name; }

std::string WriteFile(const TempFolder& folder, const std::string& name, const std::string& text) {
  const std::string path = (folder.path() / name).string();
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

// Each case is NAME.qvprof driven by NAME.ml, printing NAME.expected.
TEST(QvtoolReplay, SmallProfilesGiveTheirRecordsInOrderTheSameEveryRun) {
  struct Case {
    const char* name;
    bool lever;  // read axis 0 as the four-notch lever of lever.qvjoy
  };
  const Case cases[] = {
      {"lever", true},  // stepped up and down, with resync taps at both ends
      {"held", false},  // a held key repeating
      {"park", true},   // a park command holding the lever back; a sound command
      {"hat", false},   // a hat's directions: a tap, a held key, a release tap with Shift
  };
  for (const Case& c : cases) {
    const std::string name = c.name;
    std::string args = "replay " + Golden(name + ".qvprof") + " --joystick " + Golden(name + ".ml");
    if (c.lever) args += " --joy-settings " + Golden("lever.qvjoy");
    const ToolRun first = Qvtool(args);
    EXPECT_EQ(first.exitCode, 0) << name << '\n' << first.err;
    EXPECT_EQ(first.err, "") << name;
    EXPECT_EQ(first.out, ReadAll(Golden(name + ".expected"))) << name;
    const ToolRun second = Qvtool(args);
    EXPECT_EQ(second.out, first.out) << name;
  }
}

// Without a controller named: the example controller with its joystick
// settings. Entries for controls the controller lacks are warned about.
TEST(QvtoolReplay, DefaultsToTheExampleControllerAndWarnsOfEntriesItLacks) {
  const std::string profile = Example("virtual-train-controller.qvprof");
  const ToolRun defaults = Qvtool("replay " + profile + " --ms 20000");
  const ToolRun named =
      Qvtool("replay " + profile + " --ms 20000 --joystick " + Example("virtual-train-controller.ml") +
             " --joy-settings " + Example("virtual-train-controller.qvjoy"));
  EXPECT_EQ(defaults.exitCode, 0) << defaults.err;
  EXPECT_EQ(defaults.err, "");
  EXPECT_NE(defaults.out.find("down vk=0xDE scan=0x28 ext=0 batch="), std::string::npos) << defaults.out;
  EXPECT_EQ(defaults.out, named.out);

  // The held-key profile against the lever's controller, which has no button 0.
  const ToolRun lacking = Qvtool("replay " + Golden("held.qvprof") + " --joystick " + Golden("lever.ml"));
  EXPECT_EQ(lacking.exitCode, 0);
  EXPECT_EQ(lacking.out, "");
  EXPECT_EQ(lacking.err, "qvtool: warning: " + Golden("held.qvprof") +
                             ", line 4: the controller has no button 0; the entry is skipped.\n");
}

TEST(QvtoolReplay, BadFilesExitOneNamingFileAndLineAndBadUsageTwo) {
  TempFolder folder;
  const std::string looping =
      WriteFile(folder, "loop.ml",
                "{ MULTILEVEL\n{ CONTROLLER\nName=Loop\nButton0=B\n{ TIMELINE\nLoop=1\nLength=500\nAt=0\n"
                "Button0=1\nAt=200\nButton0=0\n}\n}\n}\n");
  const std::string badSettings =
      WriteFile(folder, "bad.qvjoy", "{ MULTILEVEL\n{ AXES\n{ AXIS\nIndex=0\nType=Analog\n}\n}\n}\n");
  const std::string badProfile =
      WriteFile(folder, "bad.qvprof", "{ MULTILEVEL\n{ BUTTONS\n{ BUTTON\n}\n}\n}\n");
  const std::string badController =
      WriteFile(folder, "bad.ml", "{ MULTILEVEL\n{ CONTROLLER\nName=X\nKnob0=A\n}\n}\n");
  const std::string missing = (folder.path() / "missing.qvprof").string();
  const std::string held = Golden("held.qvprof");
  struct Case {
    std::string args;
    int exitCode;
    std::string err;  // the whole of it, or its start when it ends in "..."
  };
  const Case cases[] = {
      {held + " --joy-settings " + badSettings, 1,
       badSettings + ": Multilevel application error in line 3:\nVariable Neutral doesn't exist.\n"},
      {badProfile + " --joystick " + Golden("held.ml"), 1,
       badProfile + ": Multilevel application error in line 3:\nVariable Index doesn't exist.\n"},
      {held + " --joystick " + badController, 1, "qvtool: " + badController + ", line 4: ..."},
      {held + " --joystick " + looping, 2,
       "qvtool: the controller's timeline loops: name the end with --ms N\n..."},
      {held + " --joystick " + Golden("held.ml") + " --ms 1.5", 2, "usage: qvtool replay ..."},
      {held + " --joystick " + Golden("held.ml") + " --ms -1", 2, "usage: qvtool replay ..."},
      {missing + " --joystick " + Golden("held.ml"), 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
      {held + " --joystick " + missing, 2, "qvtool: Cannot open file \"" + missing + "\"\n"},
      {held + " extra", 2, "usage: qvtool replay ..."},
      {"--ms 100", 2, "usage: qvtool replay ..."},
  };
  for (const Case& c : cases) {
    const ToolRun run = Qvtool("replay " + c.args);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    if (c.err.ends_with("...")) {
      const std::string start = c.err.substr(0, c.err.size() - 3);
      EXPECT_EQ(run.err.substr(0, start.size()), start) << c.args;
    } else {
      EXPECT_EQ(run.err, c.err) << c.args;
    }
  }
  // The same looping timeline with its end named plays it over and over.
  const ToolRun ended = Qvtool("replay " + held + " --joystick " + looping + " --ms 1100");
  EXPECT_EQ(ended.exitCode, 0) << ended.err;
  EXPECT_EQ(std::count(ended.out.begin(), ended.out.end(), '\n'), 6) << ended.out;
}

}  // namespace
