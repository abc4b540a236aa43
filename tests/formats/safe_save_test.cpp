// A save that fails at any step leaves the old file byte for byte and no
// partial file behind.
#include <gtest/gtest.h>

#include "formats/ByteStream.h"
#include "formats/Multilevel.h"
#include "formats/SafeSave.h"
#include "tests/FileBytes.h"
#include "tests/TempFolder.h"

namespace qv {
namespace {

using test::Listing;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

// The platform's own operations, with one step made to fail on demand.
class FailingFileSystem final : public FileSystemApi {
 public:
  enum class TFault { None, WriteHalf, ReplaceFails, ReplaceBusy };
  explicit FailingFileSystem(TFault fault) : fault_(fault) { InstallFileSystem(this); }
  ~FailingFileSystem() override { InstallFileSystem(nullptr); }

  void WriteNewFile(const std::u16string& path, std::string_view bytes) override {
    if (fault_ != TFault::WriteHalf) return PlatformFileSystem().WriteNewFile(path, bytes);
    // What a full disk leaves: a file with the first part of the content.
    PlatformFileSystem().WriteNewFile(path, bytes.substr(0, bytes.size() / 2));
    throw EStreamError(u"Stream write error");
  }
  TReplace Replace(const std::u16string& source, const std::u16string& target) override {
    ++replaceCalls;
    if (fault_ == TFault::ReplaceFails) return TReplace::Failed;
    if (fault_ == TFault::ReplaceBusy) return TReplace::Busy;
    return PlatformFileSystem().Replace(source, target);
  }
  void Remove(const std::u16string& path) override { PlatformFileSystem().Remove(path); }

  int replaceCalls = 0;

 private:
  TFault fault_;
};

TEST(SafeSave, ReplacesOrCreatesTheTargetAndLeavesNothingElse) {
  TempFolder folder;
  const std::u16string file = folder.File(u"profile \u00E9.qvprof");
  SaveFileSafely(file, "first, and longer than the second");
  EXPECT_EQ(ReadBytes(file), "first, and longer than the second");
  SaveFileSafely(file, "second");
  EXPECT_EQ(ReadBytes(file), "second");
  EXPECT_EQ(Listing(folder.path()), "profile \xC3\xA9.qvprof;");
}

TEST(SafeSave, AFailedStepKeepsTheOldFileAndRemovesThePartialOne) {
  using TFault = FailingFileSystem::TFault;
  struct Case {
    TFault fault;
    int replaceCalls;  // a busy target is tried again a few times, the rest once
  };
  for (const Case& c :
       {Case{TFault::WriteHalf, 0}, Case{TFault::ReplaceFails, 1}, Case{TFault::ReplaceBusy, 5}}) {
    TempFolder folder;
    const std::u16string file = folder.File(u"x.qvprof");
    const std::string old = "\xEF\xBB\xBF{ MULTILEVEL\r\n  old=1\r\n}\r\n";
    WriteBytes(file, old);
    FailingFileSystem files(c.fault);
    TMultilevel document;
    document.AddVariable("new", u"a value long enough to be cut in half");
    try {
      SaveDocumentSafely(document, file);
      ADD_FAILURE() << "saved";
    } catch (const EStreamError& error) {
      // Named as the user knows it, never by the name it waited under.
      EXPECT_NE(error.message().find(u"\"" + file + u"\""), std::u16string::npos) << error.what();
    }
    EXPECT_EQ(ReadBytes(file), old);
    EXPECT_EQ(Listing(folder.path()), "x.qvprof;");
    EXPECT_EQ(files.replaceCalls, c.replaceCalls);
  }
}

TEST(SafeSave, AnUncreatableFileIsAnOpenError) {
  TempFolder folder;
  EXPECT_THROW(SaveFileSafely(folder.File(u"no such folder/x.ml"), "x"), EFOpenError);
  EXPECT_EQ(Listing(folder.path()), "");
}

}  // namespace
}  // namespace qv
