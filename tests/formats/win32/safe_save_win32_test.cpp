// The real Windows replacement: a target that another program holds open
// without sharing is tried again, then reported, and stays as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include "formats/ByteStream.h"
#include "formats/SafeSave.h"
#include "tests/FileBytes.h"
#include "tests/TempFolder.h"

namespace qv {
namespace {

using test::Listing;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

class CountingFileSystem final : public FileSystemApi {
 public:
  CountingFileSystem() { InstallFileSystem(this); }
  ~CountingFileSystem() override { InstallFileSystem(nullptr); }
  void WriteNewFile(const std::u16string& path, std::string_view bytes) override {
    PlatformFileSystem().WriteNewFile(path, bytes);
  }
  TReplace Replace(const std::u16string& source, const std::u16string& target) override {
    ++replaceCalls;
    return PlatformFileSystem().Replace(source, target);
  }
  void Remove(const std::u16string& path) override { PlatformFileSystem().Remove(path); }
  int replaceCalls = 0;
};

TEST(SafeSaveWin32, ReplacesAnExistingFileAndCreatesANewOne) {
  TempFolder folder;
  const std::u16string file = folder.File(u"config.ml");
  SaveFileSafely(file, "new file");
  SaveFileSafely(file, "replaced");
  EXPECT_EQ(ReadBytes(file), "replaced");
  EXPECT_EQ(Listing(folder.path()), "config.ml;");
}

TEST(SafeSaveWin32, ATargetHeldOpenWithoutSharingIsRetriedThenReported) {
  TempFolder folder;
  const std::u16string file = folder.File(u"held.qvprof");
  WriteBytes(file, "old content");
  HANDLE held = CreateFileW(W(file), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  CountingFileSystem files;
  EXPECT_THROW(SaveFileSafely(file, "new content"), EStreamError);
  CloseHandle(held);
  EXPECT_GT(files.replaceCalls, 1);
  EXPECT_EQ(ReadBytes(file), "old content");
  EXPECT_EQ(Listing(folder.path()), "held.qvprof;");
}

}  // namespace
}  // namespace qv
