// On Windows the ANSI code page is whatever the system says; the seam must
// agree with the system's own conversion for every byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "formats/AnsiCodePage.h"

namespace qv {
namespace {

TEST(AnsiCodePageWin32, AgreesWithTheSystemForEveryByte) {
  for (int c = 1; c < 256; ++c) {
    char byte = static_cast<char>(c);
    wchar_t expected = 0;
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, &byte, 1, &expected, 1), 1);
    EXPECT_EQ(AnsiToWide(std::string(1, byte)), std::u16string(1, static_cast<char16_t>(expected))) << c;
  }
  EXPECT_EQ(WideToAnsi(u"abc"), "abc");
  EXPECT_EQ(AnsiToWide(""), u"");
}

}  // namespace
}  // namespace qv
