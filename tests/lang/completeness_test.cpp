// The installed language files against the code's own table of texts: a text
// the code asks for that a file lacks would show a component name or end
// start-up with an error.
#include <gtest/gtest.h>

#include "base/ProgramFolder.h"
#include "lang/LangCheck.h"
#include "lang/LanguageDocument.h"
#include "lang/TextCatalog.h"

namespace qv::lang {
namespace {

class Completeness : public ::testing::TestWithParam<const char16_t*> {};

TEST_P(Completeness, EveryTextOfTheCatalogIsThereKeptAndTakesItsArguments) {
  ASSERT_FALSE(TextCatalog().empty());
  TMultilevel doc;
  LoadLanguageDocument(doc, ProgramFolder() + GetParam(), false);
  EXPECT_EQ(CheckLanguageTexts(doc, TextCatalog()), std::vector<std::string>{});
}

TEST_P(Completeness, TheWin9xRewriteLoadsToo) {
  TMultilevel doc;
  LoadLanguageDocument(doc, ProgramFolder() + GetParam(), true);
  EXPECT_EQ(CheckLanguageTexts(doc, TextCatalog()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(InstalledFiles, Completeness, ::testing::Values(u"default.lng", u"ru.lng"));

}  // namespace
}  // namespace qv::lang
