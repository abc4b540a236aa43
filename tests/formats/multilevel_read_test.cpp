#include <gtest/gtest.h>

#include <array>

#include "formats/Multilevel.h"
#include "formats/MultilevelInt.h"

namespace qv {
namespace {

TEST(MultilevelInt, ConversionRules) {
  EXPECT_EQ(ParseMultilevelInt(u"12"), 12);
  EXPECT_EQ(ParseMultilevelInt(u"  -12"), -12);
  EXPECT_EQ(ParseMultilevelInt(u"+7"), 7);
  EXPECT_EQ(ParseMultilevelInt(u"$1F"), 31);
  EXPECT_EQ(ParseMultilevelInt(u"x10"), 16);
  EXPECT_EQ(ParseMultilevelInt(u"X10"), 16);
  EXPECT_EQ(ParseMultilevelInt(u"0x10"), 16);
  EXPECT_EQ(ParseMultilevelInt(u"-0Xff"), -255);
  EXPECT_EQ(ParseMultilevelInt(u"0"), 0);
  EXPECT_EQ(ParseMultilevelInt(u"007"), 7);
  EXPECT_EQ(ParseMultilevelInt(u"2147483647"), 2147483647);
  EXPECT_EQ(ParseMultilevelInt(u"-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseMultilevelInt(u"-$80000000"), INT32_MIN);
  for (const char16_t* bad : {u"", u" ", u"12 ", u"\t12", u"2147483648", u"-2147483649", u"$80000000", u"$",
                              u"0x", u"1a", u"--1", u"99999999999999999999"}) {
    EXPECT_FALSE(ParseMultilevelInt(bad).has_value()) << testing::PrintToString(std::u16string(bad));
  }
}

class MultilevelReads : public testing::Test {
 protected:
  void SetUp() override {
    root.AddVariable("A", u"first");
    root.AddVariable("A", u"second");
    root.AddVariable("Empty", u"");
    root.AddVariable("Spaced", u" 12");
    root.AddVariable("Trailing", u"12 ")->LineNo = 9;
    root.AddIntVariable("Neg", -305);
    root.AddVariable("Zero", u"0");
    root.AddVariable("One", u"1");
    root.AddVariable("False", u"false");
    root.AddVariable("Max", u"max");
    root.AddVariable("X", u"x");
  }
  TMultilevel root;
  static constexpr std::array<std::string_view, 3> kNames = {"None", "Min", "Max"};
};

TEST_F(MultilevelReads, LookupsReturnTheFirstExactMatch) {
  EXPECT_EQ(root.ReadString("A", u"d"), u"first");
  EXPECT_EQ(root.ReadString("a", u"d"), u"d");
  EXPECT_EQ(root.ReadString("Empty", u"d"), u"");
  EXPECT_EQ(root.FindVariable("missing"), nullptr);
  EXPECT_EQ(root.ReadStringReq("A"), u"first");
  TMultilevel* s = root.AddSection("S");
  root.AddSection("S");
  EXPECT_EQ(root.FindSection("S"), s);
  EXPECT_EQ(root.FindSection("s"), nullptr);
}

TEST_F(MultilevelReads, IntegersFallBackToTheDefaultOrRaise) {
  EXPECT_EQ(root.ReadInteger("Spaced", 5), 12);
  EXPECT_EQ(root.ReadInteger("Trailing", 5), 5);
  EXPECT_EQ(root.ReadInteger("Empty", 5), 5);
  EXPECT_EQ(root.ReadInteger("missing", 5), 5);
  EXPECT_EQ(root.ReadIntegerReq("Neg"), -305);
  EXPECT_EQ(root.Variables[5]->Value, u"-305");
  try {
    root.ReadIntegerReq("Trailing");
    FAIL() << "no error";
  } catch (const EMultilevelReqConvertError& e) {
    EXPECT_EQ(e.message(),
              u"Multilevel application error in line 9:\rVariable Trailing=12  conversion error.");
    EXPECT_EQ(e.Variable, root.Variables[4]);
    EXPECT_EQ(e.Section, &root);
  }
  EXPECT_THROW(root.ReadIntegerReq("Empty"), EMultilevelReqConvertError);
}

TEST_F(MultilevelReads, MissingRequiredVariableNamesTheSectionLine) {
  try {
    root.ReadStringReq("Format");
    FAIL() << "no error";
  } catch (const EMultilevelReqNoVariable& e) {
    EXPECT_EQ(e.message(), u"Multilevel application error:\rVariable Format doesn't exist.");
    EXPECT_EQ(e.VarName, "Format");
  }
  TMultilevel* loaded = root.AddSection("L");
  loaded->LineNo = 42;
  try {
    loaded->ReadIntegerReq("Count");
    FAIL() << "no error";
  } catch (const EMultilevelReqmentError& e) {
    EXPECT_EQ(e.message(), u"Multilevel application error in line 42:\rVariable Count doesn't exist.");
    EXPECT_EQ(e.Section, loaded);
  }
  EXPECT_THROW(root.ReadEnumReq("missing", kNames, 2), EMultilevelReqNoVariable);
}

TEST_F(MultilevelReads, BoolIsFalseOnlyForZero) {
  EXPECT_FALSE(root.ReadBool("Zero", true));
  EXPECT_TRUE(root.ReadBool("One", false));
  EXPECT_TRUE(root.ReadBool("Empty", false));
  EXPECT_TRUE(root.ReadBool("False", false));
  EXPECT_FALSE(root.ReadBool("missing", false));
}

TEST_F(MultilevelReads, EnumsMatchExactlyThenWithoutCaseThenAsNumbers) {
  EXPECT_EQ(root.ReadEnum("Max", kNames, 2, 0), 2);
  EXPECT_EQ(root.ReadEnum("One", kNames, 2, 0), 1);
  EXPECT_EQ(root.ReadEnum("X", kNames, 2, 7), 7);
  EXPECT_EQ(root.ReadEnum("Empty", kNames, 2, 7), 7);
  EXPECT_EQ(root.ReadEnum("Max", kNames, 1, 7), 7);  // "Max" lies beyond the highest index
  EXPECT_EQ(root.ReadEnumReq("Max", kNames, 2), 2);
  EXPECT_EQ(root.ReadEnumReq("Neg", kNames, 2), -305);  // returned as parsed; callers range-check
  EXPECT_THROW(root.ReadEnumReq("X", kNames, 2), EConvertError);
  try {
    root.ReadEnumReq("X", kNames, 2);
  } catch (const EMultilevel&) {
    ADD_FAILURE() << "a conversion failure is not a Multilevel error";
  } catch (const EConvertError&) {
  }
  const std::array<std::string_view, 2> dupes = {"max", "MAX"};
  EXPECT_EQ(IndexOfName(u"MAX", dupes, 1), 1);
  EXPECT_EQ(IndexOfName(u"Max", dupes, 1), 0);
}

TEST(MultilevelTree, DeletingASubSectionDetachesAndDestroysIt) {
  TMultilevel root;
  root.AddSection("A");
  TMultilevel* b = root.AddSection("B");
  b->AddSection("C")->AddVariable("v", u"1");
  root.Sections.Delete(0);
  ASSERT_EQ(root.Sections.Count(), 1);
  EXPECT_EQ(root.Sections[0], b);
  root.Sections.Delete(0);
  EXPECT_EQ(root.Sections.Count(), 0);
  EXPECT_THROW(root.Sections.Delete(0), std::out_of_range);
}

}  // namespace
}  // namespace qv
