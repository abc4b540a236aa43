// The native file system: rename replaces a file in one step, and fsync
// makes sure the new content is on the disk before it does.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "base/Utf.h"
#include "formats/ByteStream.h"
#include "formats/SafeSave.h"

namespace qv {
namespace {

class PosixFileSystem final : public FileSystemApi {
 public:
  void WriteNewFile(const std::u16string& path, std::string_view bytes) override {
    std::FILE* file = OpenFileUtf16(path, "wb");
    if (!file) throw EFOpenError(u"Cannot create file \"" + path + u"\"");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    if (std::fclose(file) != 0 || !written) throw EStreamError(u"Stream write error");
  }

  TReplace Replace(const std::u16string& source, const std::u16string& target) override {
    if (std::rename(ToUtf8(source).c_str(), ToUtf8(target).c_str()) == 0) return TReplace::Done;
    return errno == EBUSY || errno == ETXTBSY ? TReplace::Busy : TReplace::Failed;
  }

  void Remove(const std::u16string& path) override { std::remove(ToUtf8(path).c_str()); }
};

}  // namespace

FileSystemApi& PlatformFileSystem() {
  static PosixFileSystem files;
  return files;
}

}  // namespace qv
