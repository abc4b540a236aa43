#pragma once
// Saving a file so that a failure never costs the user the old one: the new
// content goes to a file beside the target, is flushed to the disk, and only
// then takes the target's place. Until that last step the old file stays as
// it was, byte for byte; when any step fails, the partial new file is removed
// and the error still reaches the caller.
#include <string>
#include <string_view>

namespace qv {

class TMultilevel;

// The file operations a safe save needs; the platform supplies them, tests
// install their own to inject failures.
class FileSystemApi {
 public:
  enum class TReplace { Done, Busy, Failed };

  virtual ~FileSystemApi() = default;
  // Creates the file anew, writes every byte, flushes them through to the
  // device and closes it; raises EFOpenError or EStreamError.
  virtual void WriteNewFile(const std::u16string& path, std::string_view bytes) = 0;
  // Puts source in target's place, whether or not target exists; source is
  // then gone. Busy: another program holds target for the moment, so a
  // later attempt may succeed. On anything but Done, target is unchanged.
  virtual TReplace Replace(const std::u16string& source, const std::u16string& target) = 0;
  virtual void Remove(const std::u16string& path) = 0;
};

// Each platform's own, in the file beside this one.
FileSystemApi& PlatformFileSystem();
// Never null: the platform's own until something else is installed.
FileSystemApi& FileSystem();
// Null puts the platform's own back.
void InstallFileSystem(FileSystemApi* api);

// Where the new content waits until it replaces fileName.
std::u16string PendingFileName(const std::u16string& fileName);

// Raises EFOpenError or EStreamError, with the old file untouched.
void SaveFileSafely(const std::u16string& fileName, std::string_view bytes);
// The document as the program writes all its files: UTF-8 with a byte
// order mark and CR LF line ends.
void SaveDocumentSafely(const TMultilevel& document, const std::u16string& fileName);

}  // namespace qv
