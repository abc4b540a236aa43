#include "base/Utf.h"

#include <gtest/gtest.h>

#include "base/Error.h"

namespace qv {
namespace {

TEST(Utf, RoundTripsBmpAndAstralText) {
  const std::u16string text = u"Привет, \u00e9 \U0001F682!";
  EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
  EXPECT_EQ(ToUtf8(u"\U0001F682"), "\xF0\x9F\x9A\x82");
}

TEST(Utf, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("a\xC3("), u"a\uFFFD(");
  EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");
  EXPECT_EQ(FromUtf8("\xFF"), u"\uFFFD");
  EXPECT_EQ(ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");
}

TEST(Error, CarriesWideMessageAndUtf8What) {
  EConvertError e(u"UTF-8 error in ReadCharU \u00e9");
  EXPECT_EQ(e.message(), u"UTF-8 error in ReadCharU \u00e9");
  EXPECT_STREQ(e.what(), "UTF-8 error in ReadCharU \xC3\xA9");
}

}  // namespace
}  // namespace qv
