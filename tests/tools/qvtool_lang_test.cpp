// qvtool lang check and get, called in-process on the installed language file
// and on small files in a folder of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../TempFolder.h"
#include "../lang/LanguageFixture.h"
#include "base/ProgramFolder.h"
#include "base/Utf.h"
#include "tools/QvToolCommands.h"

namespace {

struct Result {
  int exitCode;
  std::string out;
  std::string err;
};

Result Lang(std::vector<std::string> args) {
  std::ostringstream out, err;
  const int code = qv::tool::RunLang(args, out, err);
  return {code, out.str(), err.str()};
}

using qv::lang::test::TempLanguageFile;

class QvtoolLang : public ::testing::Test {
 protected:
  // A language file in this test's own folder; its path as given on the command line.
  std::string Write(std::u16string name, const std::string& text) {
    files_.push_back(std::make_unique<TempLanguageFile>(std::move(name), text, folder_.File(u"")));
    return qv::ToUtf8(files_.back()->path());
  }

 private:
  qv::test::TempFolder folder_;
  std::vector<std::unique_ptr<TempLanguageFile>> files_;
};

TEST_F(QvtoolLang, InstalledFilePassesWithOneSummaryLine) {
  // By its full name, so the test passes whatever folder it starts in.
  const std::string installed = qv::ToUtf8(qv::ProgramFolder() + u"default.lng");
  const Result run = Lang({"check", installed});
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_NE(run.out.find(installed + ": all "), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST_F(QvtoolLang, ReportsEveryProblemAndExitsOne) {
  const std::string path =
      Write(u"qvtool_lang_test.lng", "{ MULTILEVEL\nCR=~\n{ COMMON\n  msgTitle=%d\n}\n}\n");
  const Result run = Lang({"check", path});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find(path + ": COMMON.msgTitle: format does not take (s)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(path + ": EXCEPT.exNoJoy: missing"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("section COMMON lacks \"_Keep\""), std::string::npos) << run.out;
}

TEST_F(QvtoolLang, UnreadableOrBrokenFilesAndWrongUsage) {
  const std::string missing = Write(u"gone.lng", "") + ".missing";
  const std::string noCr = Write(u"qvtool_lang_test_nocr.lng", "{ MULTILEVEL\n}\n");
  for (const char* command : {"check", "get"}) {
    std::vector<std::string> args{command, missing};
    if (args[0] == "get") args.insert(args.end(), {"COMMON", "a"});
    EXPECT_EQ(Lang(args).exitCode, 2) << command;
    args[1] = noCr;
    const Result broken = Lang(args);
    EXPECT_EQ(broken.exitCode, 1) << command;
    EXPECT_NE(broken.err.find("Variable CR doesn't exist."), std::string::npos) << broken.err;
  }
  EXPECT_EQ(Lang({"check"}).exitCode, 2);
  EXPECT_EQ(Lang({"get", noCr, "COMMON"}).exitCode, 2);
  EXPECT_EQ(Lang({"verify", noCr}).exitCode, 2);
}

TEST_F(QvtoolLang, GetPrintsWhatTheProgramShows) {
  const std::string path = Write(u"get.lng",
                                 "{ MULTILEVEL\nCR=~\n"
                                 "{ COMMON\n  shared=Common \u00E9\n}\n"
                                 "{ fmMain\n  caption=One~Two\n  empty=\n}\n"
                                 "{ !Own\n  own=Mine\n}\n}\n");
  const struct {
    const char* Section;
    const char* Key;
    int ExitCode;
    std::string Out;
  } cases[] = {
      {"fmMain", "caption", 0, "One\r\nTwo\r\n"},
      {"fmMain", "shared", 0, "Common \u00E9\r\n"},  // COMMON fallback
      {"fmOther", "shared", 0, "Common \u00E9\r\n"},
      {"fmMain", "empty", 0, "\r\n"},
      {"!Own", "own", 0, "Mine\r\n"},
      {"!Own", "shared", 1, ""},  // no fallback for "!" sections
      {"fmMain", "nothing", 1, ""},
  };
  for (const auto& c : cases) {
    const Result run = Lang({"get", path, c.Section, c.Key});
    EXPECT_EQ(run.exitCode, c.ExitCode) << c.Section << "." << c.Key;
    EXPECT_EQ(run.out, c.Out) << c.Section << "." << c.Key;
    if (c.ExitCode == 1) {
      EXPECT_EQ(run.err, path + ": LangTranslate: cannot translate " + c.Section + "." + c.Key + "\n");
    }
  }
}

}  // namespace
