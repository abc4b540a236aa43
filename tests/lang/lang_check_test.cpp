#include <gtest/gtest.h>

#include <array>

#include "LanguageFixture.h"
#include "lang/LangCheck.h"
#include "lang/LanguageDocument.h"

namespace qv::lang {
namespace {

using test::TempLanguageFile;

constexpr std::array<CatalogEntry, 6> kCatalog = {{
    {"COMMON", "msgTitle", TextUse::Message, "s", true},
    {"fmMain", "AxisTemplate2", TextUse::Message, "dd", false},
    {"fmMain", "lbNoise", TextUse::Caption, "", false},
    {"fmMain", "msgShared", TextUse::Message, "", true},
    {"fmAbout", "fmAbout", TextUse::Caption, "", true},
    {"EXCEPT", "exNoJoy", TextUse::Message, "", true},
}};

std::vector<std::string> Check(const char* text) {
  TempLanguageFile file(u"lang_check_test.lng", text);
  TMultilevel doc;
  LoadLanguageDocument(doc, file.path(), false);
  return CheckLanguageTexts(doc, kCatalog);
}

TEST(LangCheck, ACompleteFileHasNoProblems) {
  EXPECT_EQ(Check("{ MULTILEVEL\nCR=|\n"
                  "{ COMMON\n  _Keep=1\n  msgTitle=Q %s\n  msgShared=shared\n}\n"
                  "{ fmMain\n  AxisTemplate2=%d of %d\n  lbNoise=Noise\n}\n"
                  "{ fmAbout\n  _Keep=1\n  fmAbout=About\n}\n"
                  "{ EXCEPT\n  _Keep=1\n  exNoJoy=None\n}\n}\n"),
            std::vector<std::string>{});
}

TEST(LangCheck, ReportsMissingTextsBadFormatsAndMissingKeep) {
  const auto problems = Check(
      "{ MULTILEVEL\nCR=|\n"
      "{ COMMON\n  msgTitle=Q %d\n  msgShared=shared\n}\n"
      "{ fmMain\n  AxisTemplate2=%d of %d %s\n}\n"
      "{ fmAbout\n  fmAbout=About\n}\n"
      "{ EXCEPT\n  _Keep=1\n  exnojoy=case differs\n}\n}\n");
  ASSERT_EQ(problems.size(), 6u) << ::testing::PrintToString(problems);
  EXPECT_NE(problems[0].find("COMMON.msgTitle: format"), std::string::npos);
  EXPECT_NE(problems[1].find("fmMain.AxisTemplate2: format"), std::string::npos);
  EXPECT_EQ(problems[2], "fmMain.lbNoise: missing");
  EXPECT_EQ(problems[3], "EXCEPT.exNoJoy: missing");
  // COMMON is reported once although two run-time texts depend on it.
  EXPECT_NE(problems[4].find("section COMMON lacks \"_Keep\""), std::string::npos);
  EXPECT_NE(problems[5].find("section fmAbout lacks \"_Keep\""), std::string::npos);
}

}  // namespace
}  // namespace qv::lang
