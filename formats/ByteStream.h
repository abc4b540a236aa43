#pragma once
// The seekable byte streams the text readers and writers work on: a file and a
// block of memory. Both report their size and position so that a reader can
// tell the end of input without a read that fails.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/Error.h"

namespace qv {

// A file that cannot be opened for reading or created for writing.
class EFOpenError : public Error {
 public:
  using Error::Error;
};

// A read or write that the operating system refused (disk full, lost media).
class EStreamError : public Error {
 public:
  using Error::Error;
};

class TByteStream {
 public:
  virtual ~TByteStream() = default;
  // Reads up to count bytes; returns how many were read (0 only at the end).
  virtual size_t Read(void* buffer, size_t count) = 0;
  // Writes all count bytes or raises EStreamError.
  virtual void Write(const void* buffer, size_t count) = 0;
  virtual uint64_t Size() const = 0;
  virtual uint64_t Position() const = 0;
  virtual void Seek(uint64_t position) = 0;
};

class TMemoryStream final : public TByteStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  TMemoryStream(const void* data, size_t size);

  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  uint64_t Size() const override { return bytes_.size(); }
  uint64_t Position() const override { return position_; }
  void Seek(uint64_t position) override { position_ = position; }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
  uint64_t position_ = 0;
};

class TFileStream final : public TByteStream {
 public:
  enum class Mode { OpenRead, CreateWrite };
  // Raises EFOpenError naming the file when it cannot be opened or created.
  TFileStream(const std::u16string& fileName, Mode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  uint64_t Size() const override;
  uint64_t Position() const override { return position_; }
  void Seek(uint64_t position) override;

 private:
  std::FILE* file_;
  uint64_t size_ = 0;
  uint64_t position_ = 0;
};

// Opens a file by its UTF-16 name with a C stdio mode ("rb", "wb"); null when
// the system refuses. Each platform converts the name its own way.
std::FILE* OpenFileUtf16(const std::u16string& fileName, const char* mode);

}  // namespace qv
