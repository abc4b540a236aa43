// qvtool lang check, called in-process on the installed language file and on
// broken copies of small files.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "../lang/LanguageFixture.h"
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

TEST(QvtoolLang, InstalledFilePassesWithOneSummaryLine) {
  const Result run = Lang({"check", "default.lng"});
  EXPECT_EQ(run.exitCode, 0) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_NE(run.out.find("default.lng: all "), std::string::npos) << run.out;
  EXPECT_EQ(run.err, "");
}

TEST(QvtoolLang, ReportsEveryProblemAndExitsOne) {
  const TempLanguageFile file(u"qvtool_lang_test.lng", "{ MULTILEVEL\nCR=~\n{ COMMON\n  msgTitle=%d\n}\n}\n");
  const std::string path = qv::ToUtf8(file.path());
  const Result run = Lang({"check", path});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.out.find(path + ": COMMON.msgTitle: format does not take (s)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(path + ": EXCEPT.exNoJoy: missing"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("section COMMON lacks \"_Keep\""), std::string::npos) << run.out;
}

TEST(QvtoolLang, UnreadableOrBrokenFilesAndWrongUsage) {
  EXPECT_EQ(Lang({"check", "qvtool_lang_test_missing.lng"}).exitCode, 2);
  const TempLanguageFile file(u"qvtool_lang_test_nocr.lng", "{ MULTILEVEL\n}\n");
  const Result noCr = Lang({"check", qv::ToUtf8(file.path())});
  EXPECT_EQ(noCr.exitCode, 1);
  EXPECT_NE(noCr.err.find("Variable CR doesn't exist."), std::string::npos) << noCr.err;
  EXPECT_EQ(Lang({"check"}).exitCode, 2);
  EXPECT_EQ(Lang({"verify", "default.lng"}).exitCode, 2);
}

}  // namespace
