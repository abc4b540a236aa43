#include <gtest/gtest.h>

#include "formats/AnsiCodePage.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "lang/Platform.h"

namespace qv::lang {
namespace {

class LangTranslateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = LangLookup;
    LangLookup = [](std::string_view section, std::string_view key, std::u16string_view fallback) {
      if (section == "EXCEPT" && key == "exNoJoy") return std::u16string(u"No joystick found.");
      if (section == "fmMain" && key == "Empty") return std::u16string();
      if (section == "EXCEPT" && key == WideToAnsi(u"ex\u00C9tat")) return std::u16string(u"Own text.");
      return std::u16string(fallback);
    };
  }
  void TearDown() override { LangLookup = saved_; }

 private:
  LookupProc saved_;
};

TEST_F(LangTranslateTest, MissingKeyRaisesWithSectionAndKey) {
  try {
    LangTranslate("fmMain", "CaptionAxes");
    FAIL() << "no text for fmMain.CaptionAxes";
  } catch (const EMultilang& e) {
    EXPECT_EQ(e.message(), u"LangTranslate: cannot translate fmMain.CaptionAxes");
    EXPECT_STREQ(e.what(), "LangTranslate: cannot translate fmMain.CaptionAxes");
    EXPECT_EQ(e.builtIn(), u"");
  }
}

TEST_F(LangTranslateTest, NamesWithPercentSignsAreNotReadAsFormats) {
  try {
    LangTranslate("a%s%d", "%%");
    FAIL();
  } catch (const EMultilang& e) {
    EXPECT_EQ(e.message(), u"LangTranslate: cannot translate a%s%d.%%");
  }
}

TEST_F(LangTranslateTest, AnEmptyTranslationIsATranslation) {
  EXPECT_EQ(LangTranslate("fmMain", "Empty"), u"");
  EXPECT_EQ(NotFoundMarker, std::u16string(1, u'\0'));
}

TEST_F(LangTranslateTest, DisplayTextIsTheTranslationOrTheBuiltInTextWithTheId) {
  EXPECT_EQ(DisplayText(EMultilang(u"exNoJoy", u"No joystick.")), u"No joystick found.");
  EXPECT_EQ(DisplayText(EMultilang(u"exCantCreateDx", u"Cannot create DirectX8 object.")),
            u"Cannot create DirectX8 object.\r(exCantCreateDx)");
  // The missing-text error itself has no built-in text.
  EXPECT_EQ(DisplayText(EMultilang(u"LangTranslate: cannot translate a.b", u"")),
            u"\r(LangTranslate: cannot translate a.b)");
}

// Translators may give their own ids non-ASCII names; names are 8-bit text
// in the ANSI code page, both where an id is looked up and in the message.
TEST_F(LangTranslateTest, NonAsciiNamesGoThroughTheAnsiCodePage) {
  EXPECT_EQ(DisplayText(EMultilang(u"ex\u00C9tat", u"Built in.")), u"Own text.");
  try {
    LangTranslate(WideToAnsi(u"fm\u00C9cran"), WideToAnsi(u"\u00E9"));
    FAIL();
  } catch (const EMultilang& e) {
    EXPECT_EQ(e.message(), u"LangTranslate: cannot translate fm\u00C9cran.\u00E9");
  }
}

TEST(Platform, IsNotWin9x) {
  // Neither this machine nor Wine is of the 9x family.
  EXPECT_FALSE(IsWin9xPlatform());
}

}  // namespace
}  // namespace qv::lang
