#include <gtest/gtest.h>

#include "LanguageFixture.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "lang/LanguageDocument.h"
#include "lang/Translator.h"

namespace qv::lang {
namespace {

using test::TempLanguageFile;

// The process-wide lookup reads LanguageDocument(); each case loads its own
// file into it and leaves the default procedures behind.
class LanguageFileTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallLanguageFileHooks(); }
  void TearDown() override {
    ResetTranslation();
    LangLookup = [](std::string_view, std::string_view, std::u16string_view d) { return std::u16string(d); };
    ReleaseLanguageHook = [] {};
    AfterTranslateHook = [] {};
  }
};

constexpr char kBasic[] =
    "{ MULTILEVEL\n"
    "CR=|\n"
    "{ COMMON\n  _Keep=1\n  msgTitle=Title %s\n  Shared=common text\n  OnlyCommon=from common\n}\n"
    "{ fmMain\n  Shared=main text\n  msgtitle=lower case\n  Empty=\n}\n"
    "{ fmMain\n  Second=only in the second fmMain\n}\n"
    "{ !SYS\n  _Keep=yes\n  Mute=Mute sound\n}\n"
    "}\n";

TEST_F(LanguageFileTest, LookupFallsBackToCommonExceptForBangSections) {
  TempLanguageFile file(u"lang_test_basic.lng", kBasic);
  LoadLanguageFile(file.path());
  EXPECT_EQ(LangTranslate("fmMain", "Shared"), u"main text");
  EXPECT_EQ(LangTranslate("fmMain", "OnlyCommon"), u"from common");
  EXPECT_EQ(LangTranslate("", "msgTitle"), u"Title %s");
  EXPECT_EQ(LangTranslate("!SYS", "Mute"), u"Mute sound");
  EXPECT_THROW(LangTranslate("!SYS", "OnlyCommon"), EMultilang);
  EXPECT_EQ(LangLookup("!SYS", "OnlyCommon", u"dflt"), u"dflt");
  EXPECT_EQ(LangTranslate("fmMain", "Empty"), u"");
}

TEST_F(LanguageFileTest, FirstOfTwoSectionsWinsAndKeysAreCaseSensitive) {
  TempLanguageFile file(u"lang_test_dup.lng", kBasic);
  LoadLanguageFile(file.path());
  // The second "fmMain" is never read: its key is not found, not even via COMMON.
  EXPECT_THROW(LangTranslate("fmMain", "Second"), EMultilang);
  // "msgtitle" in fmMain does not serve "msgTitle"; COMMON's does.
  EXPECT_EQ(LangTranslate("fmMain", "msgTitle"), u"Title %s");
  EXPECT_THROW(LangTranslate("fmmain", "Empty"), EMultilang);
}

constexpr char kRewrite[] =
    "{ MULTILEVEL\n"
    "CR=|x\n"
    "Root=a|b\n"
    "{ ASCII\n"
    "  { 1\n    In=\xC3\xA9\xC3\xA8|\n    Out=e\n  }\n"
    "  { 2\n    In=\xC3\xA8\n    Out=[grave]\n  }\n"
    "}\n"
    "{ fm|\n"
    "  Two=one|two|three\n"
    "  Accents=\xC3\xA9\xC3\xA8|x\n"
    "  { Nested\n    Inner=a|b\n  }\n"
    "}\n"
    "}\n";

TEST_F(LanguageFileTest, CrCharacterBecomesCrLfEverywhereInSectionValues) {
  TempLanguageFile file(u"lang_test_cr.lng", kRewrite);
  TMultilevel doc;
  LoadLanguageDocument(doc, file.path(), false);
  const TMultilevel* section = doc.FindSection("fm|");
  ASSERT_NE(section, nullptr);  // section names are not rewritten
  EXPECT_EQ(section->ReadString("Two", u""), u"one\r\ntwo\r\nthree");
  // Only the first character of "CR" counts; on NT "ASCII" is ignored.
  EXPECT_EQ(section->ReadString("Accents", u""), u"\u00e9\u00e8\r\nx");
  // Root variables and nested sections keep their texts.
  EXPECT_EQ(doc.ReadString("Root", u""), u"a|b");
  EXPECT_EQ(section->FindSection("Nested")->ReadString("Inner", u""), u"a|b");
}

TEST_F(LanguageFileTest, AsciiSectionOnWin9xLaterSubSectionWinsAndCrWinsOverBoth) {
  TempLanguageFile file(u"lang_test_ascii.lng", kRewrite);
  TMultilevel doc;
  LoadLanguageDocument(doc, file.path(), true);
  EXPECT_EQ(doc.FindSection("fm|")->ReadString("Accents", u""), u"e[grave]\r\nx");
}

TEST_F(LanguageFileTest, RequiredVariablesAndTheEmptyCr) {
  TempLanguageFile noCr(u"lang_test_nocr.lng", "{ MULTILEVEL\n{ COMMON\n  a=1\n}\n}\n");
  EXPECT_THROW(LoadLanguageFile(noCr.path()), EMultilevelReqNoVariable);
  // A broken "ASCII" matters only where the section is used.
  TempLanguageFile noOut(u"lang_test_noout.lng",
                         "{ MULTILEVEL\nCR=|\n{ ASCII\n  { 1\n    In=a\n  }\n}\n{ S\n  v=a|\n}\n}\n");
  TMultilevel nt;
  LoadLanguageDocument(nt, noOut.path(), false);
  EXPECT_EQ(nt.FindSection("S")->ReadString("v", u""), u"a\r\n");
  TMultilevel win9x;
  EXPECT_THROW(LoadLanguageDocument(win9x, noOut.path(), true), EMultilevelReqNoVariable);
  // An empty "CR" names no line-break character.
  TempLanguageFile emptyCr(u"lang_test_emptycr.lng", "{ MULTILEVEL\nCR=\n{ S\n  v=a|b\n}\n}\n");
  TMultilevel doc;
  LoadLanguageDocument(doc, emptyCr.path(), false);
  EXPECT_EQ(doc.FindSection("S")->ReadString("v", u""), u"a|b");
}

TEST_F(LanguageFileTest, MissingFileRaisesAndKeepsThePreviousDocument) {
  TempLanguageFile file(u"lang_test_keep.lng", kBasic);
  LoadLanguageFile(file.path());
  EXPECT_THROW(LoadLanguageFile(u"lang_test_does_not_exist.lng"), Error);
  EXPECT_EQ(LangTranslate("!SYS", "Mute"), u"Mute sound");
}

TEST_F(LanguageFileTest, StartUpTranslatesThenPrunesSectionsWithoutKeep) {
  TempLanguageFile file(u"lang_test_prune.lng",
                        "{ MULTILEVEL\nCR=|\n"
                        "{ COMMON\n  _Keep=1\n  Late=common late\n}\n"
                        "{ fmWin\n  fmWin=Window\n  lbA=Label|A\n  Late=window late\n  Gone=x\n}\n"
                        "{ fmAbout\n  _Keep=1\n  fmAbout=About\n}\n"
                        "{ fmEmptyKeep\n  _Keep=\n  k=v\n}\n"
                        "}\n");
  LoadLanguageFile(file.path());
  RegisterStandardTranslators();
  TComponent form;
  form.name = "fmWin";
  form.kind = Kind::Form;
  auto& label = form.Add("lbA", Kind::Label);
  RegisterLangForm(form);
  std::u16string seenByHook;
  AfterTranslateHook = [&] { seenByHook = LangTranslate("fmWin", "Gone"); };
  TranslateAllForms();
  EXPECT_EQ(form.caption, u"Window");
  EXPECT_EQ(label.caption, u"Label\r\nA");
  EXPECT_EQ(seenByHook, u"x");  // the hook runs before pruning
  // After pruning the window's section is gone: COMMON answers, or nothing.
  EXPECT_EQ(LangTranslate("fmWin", "Late"), u"common late");
  EXPECT_THROW(LangTranslate("fmWin", "Gone"), EMultilang);
  EXPECT_THROW(LangTranslate("fmEmptyKeep", "k"), EMultilang);
  EXPECT_EQ(LangTranslate("fmAbout", "fmAbout"), u"About");
}

}  // namespace
}  // namespace qv::lang
