// Natively the ANSI code page is Windows-1252.
#include <gtest/gtest.h>

#include "formats/AnsiCodePage.h"

namespace qv {
namespace {

TEST(AnsiCodePage1252, HighBytesMapToTheirWindowsCharacters) {
  EXPECT_EQ(AnsiToWide("\x80\x8A\x9F\xA0\xE9\xFF"), u"\u20AC\u0160\u0178\u00A0\u00E9\u00FF");
  EXPECT_EQ(AnsiToWide("\x81\x8D"), u"\u0081\u008D");
  EXPECT_EQ(WideToAnsi(u"\u20AC\u0160\u00E9A"),
            "\x80\x8A\xE9"
            "A");
  EXPECT_EQ(WideToAnsi(u"\u0416\U0001F600"), "???");
}

TEST(AnsiCodePage1252, EveryByteRoundTrips) {
  std::string all;
  for (int c = 0; c < 256; ++c) all.push_back(static_cast<char>(c));
  EXPECT_EQ(WideToAnsi(AnsiToWide(all)), all);
}

}  // namespace
}  // namespace qv
