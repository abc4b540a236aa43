#include <gtest/gtest.h>

#include "base/ProgramVersion.h"

namespace qv {
namespace {

TEST(ProgramVersionTest, BuildNumberIsTheNumberAfterTheLastDot) {
  const struct {
    const char* version;
    int32_t build;
  } cases[] = {
      {"1.2.3.45", 45}, {"1.0.0.0", 0}, {"7", 0},       {"", 0},     {"1.2.", 0},
      {"1.2.x", 0},     {"1.2.45x", 0}, {"1.2.-3", -3}, {".12", 12}, {"1.2.99999999999", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildNumberOf(c.version), c.build) << c.version;
}

TEST(ProgramVersionTest, SettingTheVersionSetsItsBuildNumber) {
  SetProgramVersion("0.1.0.812");
  EXPECT_EQ(ProgramVersion().Text, "0.1.0.812");
  EXPECT_EQ(ProgramVersion().Build, 812);
  SetProgramVersion("");
  EXPECT_EQ(ProgramVersion().Build, 0);
}

}  // namespace
}  // namespace qv
