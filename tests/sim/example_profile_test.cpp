// The example profile's keys must reach a simulator that reads window
// messages as well as one that reads scan codes: each key carries the US
// layout's virtual key beside its scan code, as a captured key would.
#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include "base/ProgramFolder.h"
#include "formats/Multilevel.h"

namespace qv::sim {
namespace {

// Scan code to virtual key on a US keyboard, built from the key rows
// themselves so that it shares nothing with the profile it checks.
std::map<int32_t, int32_t> UsKeysByScanCode() {
  std::map<int32_t, int32_t> keys{{0x0E, 0x08}, {0x39, 0x20}, {0x27, 0xBA}, {0x28, 0xDE}};
  const std::pair<int32_t, std::string_view> rows[] = {
      {0x10, "QWERTYUIOP"}, {0x1E, "ASDFGHJKL"}, {0x2C, "ZXCVBNM"}};
  for (const auto& [first, letters] : rows) {
    for (size_t i = 0; i < letters.size(); ++i) keys[first + static_cast<int32_t>(i)] = letters[i];
  }
  return keys;
}

bool IsKeyAction(std::string_view name) {
  return name == "PRESS" || name == "HOLD" || name == "RELEASE" || name == "UP" || name == "DOWN";
}

void ExpectUsVirtualKeys(const TMultilevel& section, const std::map<int32_t, int32_t>& us, int& keys) {
  for (const auto& sub : section.Sections) {
    if (IsKeyAction(sub->Name) && sub->ReadString("SysCmd", u"").empty()) {
      ++keys;
      const int32_t scan = sub->ReadInteger("ScanCode", 0);
      const auto expected = us.find(scan);
      ASSERT_NE(expected, us.end()) << "line " << sub->LineNo << ": scan code " << scan;
      EXPECT_EQ(sub->ReadInteger("Vkey", 0), expected->second) << "line " << sub->LineNo;
      EXPECT_FALSE(sub->ReadBool("Extended", false)) << "line " << sub->LineNo;
    }
    ExpectUsVirtualKeys(*sub, us, keys);
  }
}

TEST(ExampleProfileTest, EveryKeyCarriesItsUsVirtualKeyBesideItsScanCode) {
  TMultilevel profile;
  profile.LoadFromFile(ProgramFolder() + u"virtual-train-controller.qvprof");
  int keys = 0;
  ExpectUsVirtualKeys(profile, UsKeysByScanCode(), keys);
  EXPECT_GE(keys, 15);
}

}  // namespace
}  // namespace qv::sim
