#include <gtest/gtest.h>

#include "TextFixtures.h"
#include "formats/Multilevel.h"

namespace qv {
namespace {

using namespace std::string_literals;

void Load(TMultilevel& root, const std::string& bytes, int32_t consumed = 0) {
  root.LoadFromReader(test::ReaderOver(bytes), consumed);
}

std::u16string LoadError(const std::string& bytes) {
  TMultilevel root;
  try {
    Load(root, bytes);
  } catch (const EMultilevelInvalidFormat& e) {
    return e.message();
  }
  return u"(loaded)";
}

TEST(MultilevelLoad, FirstLineMustStartWithABrace) {
  EXPECT_EQ(LoadError(" { MULTILEVEL\n}\n"), u"Multilevel loader error in line 1:\rInvalid format");
  EXPECT_EQ(LoadError("\n{\n}\n"), u"Multilevel loader error in line 1:\rInvalid format");
  EXPECT_EQ(LoadError(""), u"Multilevel loader error in line 1:\rInvalid format");

  TMultilevel root;
  Load(root, "{ X\na=1\n}");
  EXPECT_EQ(root.Name, "MULTILEVEL");
  EXPECT_EQ(root.LineNo, 1);
  ASSERT_EQ(root.Variables.Count(), 1);
  EXPECT_EQ(root.ReadString("a", u""), u"1");
}

TEST(MultilevelLoad, NamesAreTrimmedAndValuesKeptAsTheyAre) {
  TMultilevel root;
  Load(root, "{\n  key = value  \r\na=b=c\n=x\n\t{  S 1 \t\n\t}\n{\n}\n}\n");
  ASSERT_EQ(root.Variables.Count(), 3);
  EXPECT_EQ(root.Variables[0]->Name, "key");
  EXPECT_EQ(root.Variables[0]->Value, u" value  ");
  EXPECT_EQ(root.Variables[1]->Name, "a");
  EXPECT_EQ(root.Variables[1]->Value, u"b=c");
  EXPECT_EQ(root.Variables[2]->Name, "");
  EXPECT_EQ(root.Variables[2]->Value, u"x");
  ASSERT_EQ(root.Sections.Count(), 2);
  EXPECT_EQ(root.Sections[0]->Name, "S 1");
  EXPECT_EQ(root.Sections[0]->LineNo, 5);
  EXPECT_EQ(root.Sections[1]->Name, "");
  EXPECT_EQ(root.Sections[1]->Parent, &root);
}

TEST(MultilevelLoad, BlankAndCommentLinesCountForLineNumbers) {
  TMultilevel root;
  Load(root, "{\n\n\t\t\n; note = 1\n  v=1\n}\n");
  ASSERT_EQ(root.Variables.Count(), 1);
  EXPECT_EQ(root.Variables[0]->LineNo, 5);
  EXPECT_EQ(LoadError("{\n\n;c\n\ntext without equals sign\n}\n"),
            u"Multilevel loader error in line 5:\rInvalid format");
}

TEST(MultilevelLoad, LinesAlreadyConsumedShiftTheNumbers) {
  TMultilevel root;
  try {
    Load(root, "{\nok=1\nbad\n}\n", 10);
    FAIL() << "no error";
  } catch (const EMultilevelInvalidFormat& e) {
    EXPECT_EQ(e.message(), u"Multilevel loader error in line 13:\rInvalid format");
  }
  // What was read before the error stays with the caller.
  ASSERT_EQ(root.Variables.Count(), 1);
  EXPECT_EQ(root.Variables[0]->LineNo, 12);
  EXPECT_EQ(root.LineNo, 11);
}

TEST(MultilevelLoad, ClosingTheRootEndsTheLoad) {
  TMultilevel root;
  Load(root, "{\n{ A\n} of A\n}\nnot a line\n{");
  EXPECT_EQ(root.Sections.Count(), 1);
  EXPECT_EQ(root.Variables.Count(), 0);
}

TEST(MultilevelLoad, InputEndingInsideASectionIsAnErrorOnTheLineAfter) {
  EXPECT_EQ(LoadError("{\na=1"), u"Multilevel loader error in line 3:\rInvalid format");
  EXPECT_EQ(LoadError("{\n{ S\n}"), u"Multilevel loader error in line 4:\rInvalid format");
  // A final line end is followed by one more, empty, line.
  EXPECT_EQ(LoadError("{\n"), u"Multilevel loader error in line 3:\rInvalid format");
}

TEST(MultilevelLoad, EveryEncodingIsDetected) {
  TMultilevel big;
  Load(big, "\xFE\xFF\x00{\x00\n\x00v\x00=\x04\x16\x00\n\x00}"s);
  EXPECT_EQ(big.ReadString("v", u""), u"\u0416");
  TMultilevel utf8;
  Load(utf8, "\xEF\xBB\xBF{\r\n\xC3\xA9=\xE2\x82\xAC\r\n}\r\n"s);
  EXPECT_EQ(utf8.Variables[0]->Name, "\xE9");
  EXPECT_EQ(utf8.Variables[0]->Value, u"\u20AC");
}

TEST(MultilevelLoad, DeepNestingKeepsParentsAndLineNumbers) {
  std::string text = "{\n";
  for (int i = 0; i < 4; ++i) text += "{ L" + std::to_string(i) + "\n";
  text += "deep=1\n";
  for (int i = 0; i < 4; ++i) text += "}\n";
  text += "}\n";
  TMultilevel root;
  Load(root, text);
  const TMultilevel* section = &root;
  for (int i = 0; i < 4; ++i) {
    ASSERT_EQ(section->Sections.Count(), 1);
    section = section->Sections[0];
    EXPECT_EQ(section->LineNo, i + 2);
  }
  EXPECT_EQ(section->ReadInteger("deep", 0), 1);
  EXPECT_EQ(section->Parent->Parent->Parent->Parent, &root);
}

std::string Nested(int depth) {
  std::string text = "{\n";
  for (int i = 0; i < depth; ++i) text += "{\n";
  for (int i = 0; i < depth; ++i) text += "}\n";
  return text + "}\n";
}

TEST(MultilevelLoad, HostileNestingIsRefusedAtTheLineThatGoesTooDeep) {
  TMultilevel deepest;
  EXPECT_NO_THROW(Load(deepest, Nested(256)));
  // Line 1 opens the root, lines 2..257 the 256 allowed levels.
  EXPECT_EQ(LoadError(Nested(257)), u"Multilevel loader error in line 258:\rInvalid format");
  // Far deeper than any stack could destroy recursively: refused, not a crash.
  std::string flood = "{\n";
  for (int i = 0; i < 200'000; ++i) flood += "{\n";
  EXPECT_EQ(LoadError(flood), u"Multilevel loader error in line 258:\rInvalid format");
}

}  // namespace
}  // namespace qv
