#include <gtest/gtest.h>

#include <filesystem>

#include "base/ProgramFolder.h"

namespace qv {
namespace {

// The program's files are found by appending their names to this folder.
TEST(ProgramFolder, IsTheRunningProgramsFolderWithItsSeparator) {
  const std::u16string folder = ProgramFolder();
  ASSERT_GT(folder.size(), 1u);
  EXPECT_TRUE(folder.back() == u'/' || folder.back() == u'\\');
  std::u16string self = folder + u"base_test";
#ifdef _WIN32
  self += u".exe";
#endif
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(self)));
}

}  // namespace
}  // namespace qv
