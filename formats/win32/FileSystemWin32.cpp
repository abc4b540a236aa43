// The Windows file system. An existing target is swapped with ReplaceFileW,
// which keeps its attributes and security; a new one is renamed into place.
// Both are told to reach the disk before they return.
#include <windows.h>

#include <algorithm>

#include "formats/ByteStream.h"
#include "formats/SafeSave.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv {
namespace {

const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

class HandleOwner {
 public:
  explicit HandleOwner(HANDLE handle) : handle_(handle) {}
  ~HandleOwner() { Close(); }
  HandleOwner(const HandleOwner&) = delete;
  HandleOwner& operator=(const HandleOwner&) = delete;
  HANDLE get() const { return handle_; }
  bool Close() {
    const bool closed = handle_ == INVALID_HANDLE_VALUE || CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

FileSystemApi::TReplace Outcome(DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:  // also what a file pending deletion answers
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
      return FileSystemApi::TReplace::Busy;
    default:
      return FileSystemApi::TReplace::Failed;
  }
}

class WindowsFileSystem final : public FileSystemApi {
 public:
  void WriteNewFile(const std::u16string& path, std::string_view bytes) override {
    HandleOwner file(
        CreateFileW(W(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) throw EFOpenError(u"Cannot create file \"" + path + u"\"");
    bool written = true;
    while (written && !bytes.empty()) {
      const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 20));
      DWORD done = 0;
      written = WriteFile(file.get(), bytes.data(), chunk, &done, nullptr) && done == chunk;
      bytes.remove_prefix(done);
    }
    written = written && FlushFileBuffers(file.get());
    if (!file.Close() || !written) throw EStreamError(u"Stream write error");
  }

  TReplace Replace(const std::u16string& source, const std::u16string& target) override {
    constexpr DWORD kMoveFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (GetFileAttributesW(W(target)) == INVALID_FILE_ATTRIBUTES) {
      return MoveFileExW(W(source), W(target), kMoveFlags) ? TReplace::Done : Outcome(GetLastError());
    }
    // Without a backup name, ReplaceFileW may fail with the old file moved
    // to a name nobody knows; with one, the old file can always be found.
    const std::u16string backup = target + u".replaced";
    DeleteFileW(W(backup));
    if (ReplaceFileW(W(target), W(source), W(backup), REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      DeleteFileW(W(backup));
      return TReplace::Done;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) MoveFileExW(W(backup), W(target), kMoveFlags);
    return Outcome(error);
  }

  void Remove(const std::u16string& path) override { DeleteFileW(W(path)); }
};

}  // namespace

FileSystemApi& PlatformFileSystem() {
  static WindowsFileSystem files;
  return files;
}

}  // namespace qv
