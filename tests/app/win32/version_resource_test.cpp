// The version the build embeds is the version the program reads back, from
// wherever the program file lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/win32/VersionResource.h"
#include "base/win32/ProgramPath.h"
#include "tests/TempFolder.h"
#include "tests/win32/Win32Process.h"

namespace qv::win32 {
namespace {

TEST(VersionResourceTest, ProgramReadsTheVersionItWasBuiltWith) {
  EXPECT_EQ(ReadFileVersion(ProgramPath()), QV_EXPECTED_VERSION);
}

TEST(VersionResourceTest, ReadsFromFoldersOutsideTheCodePage) {
  test::TempFolder folder;
  // Cyrillic, Greek and CJK: no single code page holds all three.
  const auto inner = folder.path() / u"Проба αβγ 試験";
  std::filesystem::create_directories(inner);
  const auto copy = inner / "quorvex-standin.exe";
  std::filesystem::copy_file(test::BesideTests(L"quorvex-standin.exe"), copy);
  EXPECT_EQ(ReadFileVersion(copy.u16string()), QV_EXPECTED_VERSION);
}

TEST(VersionResourceTest, FileWithoutResourceGivesNoVersion) {
  test::TempFolder folder;
  const auto plain = folder.path() / "plain.txt";
  std::ofstream(plain) << "no resources here";
  EXPECT_EQ(ReadFileVersion(plain.u16string()), "");
  EXPECT_EQ(ReadFileVersion((folder.path() / "missing.exe").u16string()), "");
}

}  // namespace
}  // namespace qv::win32
