#include "formats/SafeSave.h"

#include <chrono>
#include <thread>

#include "formats/ByteStream.h"
#include "formats/Multilevel.h"

namespace qv {
namespace {

FileSystemApi* installed = nullptr;

// Virus scanners, indexers and backup tools open a freshly written file for a
// moment; a few short retries ride that out without keeping the user waiting.
constexpr int kReplaceAttempts = 5;
constexpr auto kReplaceRetryDelay = std::chrono::milliseconds(100);

// The user knows the file by its own name, not by the one it waits under.
void WritePending(FileSystemApi& files, const std::u16string& pending, const std::u16string& fileName,
                  std::string_view bytes) {
  try {
    files.WriteNewFile(pending, bytes);
  } catch (const EFOpenError&) {
    throw EFOpenError(u"Cannot create file \"" + fileName + u"\"");
  } catch (const EStreamError&) {
    throw EStreamError(u"Cannot write file \"" + fileName + u"\"");
  }
}

}  // namespace

FileSystemApi& FileSystem() { return installed ? *installed : PlatformFileSystem(); }

void InstallFileSystem(FileSystemApi* api) { installed = api; }

std::u16string PendingFileName(const std::u16string& fileName) { return fileName + u".saving"; }

void SaveFileSafely(const std::u16string& fileName, std::string_view bytes) {
  FileSystemApi& files = FileSystem();
  const std::u16string pending = PendingFileName(fileName);
  FileSystemApi::TReplace result = FileSystemApi::TReplace::Failed;
  try {
    WritePending(files, pending, fileName, bytes);
    for (int attempt = 1;; ++attempt) {
      result = files.Replace(pending, fileName);
      if (result != FileSystemApi::TReplace::Busy || attempt == kReplaceAttempts) break;
      std::this_thread::sleep_for(kReplaceRetryDelay);
    }
  } catch (...) {
    files.Remove(pending);
    throw;
  }
  if (result == FileSystemApi::TReplace::Done) return;
  files.Remove(pending);
  throw EStreamError(result == FileSystemApi::TReplace::Busy
                         ? u"Cannot replace file \"" + fileName + u"\": another program is using it"
                         : u"Cannot replace file \"" + fileName + u"\"");
}

void SaveDocumentSafely(const TMultilevel& document, const std::u16string& fileName) {
  TMemoryStream bytes;
  document.SaveToWriter(*CreateUnicodeOutput(bytes, encUtf8, true, leCRLF));
  const auto& content = bytes.Bytes();
  SaveFileSafely(fileName, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()));
}

}  // namespace qv
