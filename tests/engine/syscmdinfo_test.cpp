#include "engine/SysCmdInfo.h"

#include <gtest/gtest.h>

#include "base/Utf.h"

namespace qv::test {
namespace {

TEST(SysCmdInfoTest, LookupByNameFindsOnlyCommandsExactly) {
  const struct {
    const char16_t* Name;
    int32_t Expected;
  } cases[] = {
      {u"DemandPark00", 1}, {u"DemandPark07", 8}, {u"RecOn", 13}, {u"SoundVolUp", 19},
      {u"recon", 0},        {u"RecOn ", 0},       {u"", 0},       {u"VK_F13", 0},  // a key name is no command
      {u"VK=65", 0},        {u"DemandPark08", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(FindSysCmd(c.Name), c.Expected) << ToUtf8(c.Name);
}

TEST(SysCmdInfoTest, EveryCommandNameLeadsBackToItsNumber) {
  for (int32_t n = scDemandPark00; n < scFirstKeyName; ++n) EXPECT_EQ(FindSysCmd(SysCmdName(n)), n);
  EXPECT_EQ(SysCmdName(0), u"");
  EXPECT_EQ(SysCmdName(-1), u"");
  EXPECT_EQ(SysCmdName(SysCmdCount), u"");
  EXPECT_EQ(SysCmdName(scFirstKeyName), u"VK_LButton");
}

TEST(SysCmdInfoTest, VirtualKeyNames) {
  const struct {
    int32_t Code;
    const char16_t* Expected;
  } cases[] = {
      {0x41, u"VK=65"},  {0x7C, u"VK_F13"}, {0x01, u"VK_LButton"}, {0xB2, u"VK_Media_Stop"}, {0, u""},
      {0xFF, u"VK=255"}, {256, u"VK=256"},  {-5, u"VK=-5"},        {0x03, u"VK=3"},  // between two named
                                                                                     // mouse buttons
  };
  for (const auto& c : cases) EXPECT_EQ(VkeyName(c.Code), c.Expected) << c.Code;
}

}  // namespace
}  // namespace qv::test
