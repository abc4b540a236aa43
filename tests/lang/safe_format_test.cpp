#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "lang/SafeFormat.h"

namespace qv::lang {
namespace {

TEST(SafeFormat, FillsTheSpecifiersTheProgramUses) {
  EXPECT_EQ(SafeFormat(u"%d: %s", {std::int64_t{3}, u"Slider"}), u"3: Slider");
  EXPECT_EQ(SafeFormat(u"Quorvex v. %s", {u"1.2"}), u"Quorvex v. 1.2");
  EXPECT_EQ(SafeFormat(u"100%% [%d/%d]", {std::int64_t{2}, std::int64_t{-7}}), u"100% [2/-7]");
  EXPECT_EQ(SafeFormat(u"%S=%D", {u"a", std::int64_t{1}}), u"a=1");
}

TEST(SafeFormat, WidthPrecisionAndAlignment) {
  EXPECT_EQ(SafeFormat(u"[%3d]", {std::int64_t{5}}), u"[  5]");
  EXPECT_EQ(SafeFormat(u"[%-4d]", {std::int64_t{5}}), u"[5   ]");
  EXPECT_EQ(SafeFormat(u"[%.3d]", {std::int64_t{-5}}), u"[-005]");
  EXPECT_EQ(SafeFormat(u"[%-6s]", {u"ab"}), u"[ab    ]");
  EXPECT_EQ(SafeFormat(u"[%.2s]", {u"abcdef"}), u"[ab]");
  EXPECT_EQ(SafeFormat(u"[%1s]", {u"abc"}), u"[abc]");
  EXPECT_EQ(SafeFormat(u"%d", {std::numeric_limits<std::int64_t>::min()}), u"-9223372036854775808");
}

TEST(SafeFormat, HostileFormatsShowThemselvesAndNeverReadPastTheArguments) {
  // More specifiers than arguments.
  EXPECT_EQ(SafeFormat(u"%s and %s and %d", {u"one"}), u"one and %s and %d");
  EXPECT_EQ(SafeFormat(u"%s", {}), u"%s");
  // Argument of the other kind: shown as written, and the next specifier
  // still gets the next argument.
  EXPECT_EQ(SafeFormat(u"%d/%d", {u"x", std::int64_t{4}}), u"%d/4");
  // Unknown types, a lone or trailing '%', modifiers on "%%".
  EXPECT_EQ(SafeFormat(u"%x %n %p %", {std::int64_t{1}}), u"%x %n %p %");
  EXPECT_EQ(SafeFormat(u"50%", {}), u"50%");
  EXPECT_EQ(SafeFormat(u"%5%", {}), u"%5%");
  EXPECT_EQ(SafeFormat(u"%-", {}), u"%-");
  EXPECT_EQ(SafeFormat(u"%3.", {}), u"%3.");
  // Absurd widths would allocate without bound: rejected, not honoured.
  EXPECT_EQ(SafeFormat(u"%999999999d", {std::int64_t{1}}), u"%999999999d");
  EXPECT_EQ(SafeFormat(u"%.99999s", {u"a"}), u"%.99999s");
  // Index forms of other formatters are not taken for arguments.
  EXPECT_EQ(SafeFormat(u"%0:s %1$s", {u"a", u"b"}), u"%0:s %1$s");
  // A NUL inside the format is ordinary text.
  EXPECT_EQ(SafeFormat(std::u16string_view(u"a\0%s", 4), {u"b"}), std::u16string(u"a\0b", 3));
}

TEST(CheckFormat, AcceptsWhatTheArgumentsFill) {
  EXPECT_EQ(CheckFormat(u"%d: %s", "ds"), "");
  EXPECT_EQ(CheckFormat(u"%3d of %-2d %%", "dd"), "");
  EXPECT_EQ(CheckFormat(u"no values shown", "sd"), "");  // leaving values out is allowed
  EXPECT_EQ(CheckFormat(u"%s", "sd"), "");
}

TEST(CheckFormat, RejectsWhatWouldShowASpecifier) {
  EXPECT_NE(CheckFormat(u"%s %s", "s"), "");
  EXPECT_NE(CheckFormat(u"%d", "s"), "");
  EXPECT_NE(CheckFormat(u"%s: %d", "ds"), "");
  EXPECT_NE(CheckFormat(u"100%", ""), "");
  EXPECT_NE(CheckFormat(u"%x", "d"), "");
  EXPECT_NE(CheckFormat(u"%1234d", "d"), "");
}

}  // namespace
}  // namespace qv::lang
