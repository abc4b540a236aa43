#include "base/Utf.h"
#include "formats/ByteStream.h"

namespace qv {

TFileStream::TFileStream(const std::u16string& fileName, Mode mode)
    : file_(OpenFileUtf16(fileName, mode == Mode::OpenRead ? "rb" : "wb")) {
  if (!file_) {
    throw EFOpenError((mode == Mode::OpenRead ? u"Cannot open file \"" : u"Cannot create file \"") +
                      fileName + u"\"");
  }
  // The size is taken once: a reader is the only user of its file, and a
  // writer keeps its own count as it appends.
  if (mode == Mode::OpenRead && std::fseek(file_, 0, SEEK_END) == 0) {
    long end = std::ftell(file_);
    if (end > 0) size_ = static_cast<uint64_t>(end);
    std::fseek(file_, 0, SEEK_SET);
  }
}

TFileStream::~TFileStream() { std::fclose(file_); }

size_t TFileStream::Read(void* buffer, size_t count) {
  size_t n = std::fread(buffer, 1, count, file_);
  if (n < count && std::ferror(file_)) throw EStreamError(u"Stream read error");
  position_ += n;
  return n;
}

void TFileStream::Write(const void* buffer, size_t count) {
  // Unbuffered in effect: what was written stays in the file even when a
  // later write fails, so flush each call through to the system.
  if (std::fwrite(buffer, 1, count, file_) != count || std::fflush(file_) != 0) {
    throw EStreamError(u"Stream write error");
  }
  position_ += count;
  if (position_ > size_) size_ = position_;
}

uint64_t TFileStream::Size() const { return size_; }

void TFileStream::Seek(uint64_t position) {
  if (std::fseek(file_, static_cast<long>(position), SEEK_SET) != 0) {
    throw EStreamError(u"Stream seek error");
  }
  position_ = position;
}

}  // namespace qv
