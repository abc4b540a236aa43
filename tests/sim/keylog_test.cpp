// The stand-in's log is read back by tests and the run command: every line
// it writes must parse to what it received, and nothing else may.
#include "sim/KeyLog.h"

#include <gtest/gtest.h>

namespace qv::sim {
namespace {

TEST(KeyLogTest, LinesReadBackAsWritten) {
  const TKeyLogEntry entries[] = {
      {0, true, 0x41, 0x1E, false},
      {4294967295u, false, 0x26, 0x48, true},
      {1234, true, 0xFF, 0x1FF, false},
  };
  for (const auto& entry : entries) {
    const std::string line = FormatKeyLogLine(entry);
    EXPECT_EQ(ParseKeyLogLine(line), entry) << line;
  }
}

TEST(KeyLogTest, ForeignLinesAreRejected) {
  for (const char* line : {"", "1234 down vk=0x41 scan=0x1E", "1234 side vk=0x41 scan=0x1E ext=0",
                           "1234 down vk=0x141 scan=0x1E ext=0", "1234 up vk=0x41 scan=0x1E ext=2",
                           "1234 up vk=0x41 scan=0x1E ext=0 trailing"})
    EXPECT_FALSE(ParseKeyLogLine(line)) << line;
}

}  // namespace
}  // namespace qv::sim
