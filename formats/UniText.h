#pragma once
// Text streams in the four encodings of the program's files: 8-bit ANSI,
// UTF-16 big-endian ("swapped"), UTF-16 little-endian ("native") and UTF-8.
// A reader detects the encoding from the first bytes and hands out lines as
// UTF-16; a writer encodes UTF-16 or 8-bit text with a chosen line end.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "formats/ByteStream.h"

namespace qv {

// Encoding codes; the same code picks the writer class and its line-end bytes.
enum TUnicodeEncoding : int { encAnsi = 0, encUtf16BE = 1, encUtf16LE = 2, encUtf8 = 3 };
enum TLineEnd : int { leNul = 0, leCR = 1, leLF = 2, leCRLF = 3 };

class TUnicodeInput {
 public:
  static constexpr size_t kLookBehind = 4;
  static constexpr size_t kBlockSize = 32768;

  virtual ~TUnicodeInput() = default;
  TUnicodeInput(const TUnicodeInput&) = delete;
  TUnicodeInput& operator=(const TUnicodeInput&) = delete;

  // Callers test Eof before reading a character; a character read at the end
  // of input is 0.
  virtual char16_t ReadCharU() = 0;
  virtual char ReadCharA() = 0;
  virtual std::u16string ReadLineU() = 0;
  virtual std::string ReadLineA() = 0;
  virtual std::u16string ReadTextU() = 0;
  virtual std::string ReadTextA() = 0;
  // Skips characters of code 32 or less; true if the input ended.
  virtual bool SkipBlanks();
  virtual int Encoding() const = 0;

  // True only once a refill found nothing: a last line end is followed by
  // one more, empty, line before the end shows.
  bool Eof() const;
  uint64_t Size() const { return stream_->Size(); }
  void ReadLines(std::vector<std::string>& lines);

 public:
  // Inherited by the concrete readers; the second form owns the stream.
  explicit TUnicodeInput(TByteStream& stream) : stream_(&stream) {}
  explicit TUnicodeInput(std::unique_ptr<TByteStream> stream)
      : owned_(std::move(stream)), stream_(owned_.get()) {}

 protected:
  virtual void Refill();
  // Moves the next line's raw bytes into out, for units of 1 or 2 bytes,
  // leaving out the line end.
  void ReadLineBytes(std::string& out, size_t unit);
  // Everything not yet read, as raw bytes, the stream's part read in one
  // piece; buffered tells how many came from the current block.
  std::string ReadRemainingBytes(size_t& buffered);
  // The code of the next unit (refilling as needed); -1 at the end of input.
  int PeekUnit(size_t unit);
  int TakeUnit(size_t unit);
  bool SkipBlankUnits(size_t unit);
  unsigned UnitAt(size_t at, size_t unit) const;

  std::unique_ptr<TByteStream> owned_;
  TByteStream* stream_;
  std::array<uint8_t, kLookBehind + kBlockSize + 1> buffer_{};
  size_t pos_ = kLookBehind;
  size_t blockEnd_ = kLookBehind;
  bool drained_ = false;  // the last refill read nothing
};

class TUnicodeOutput {
 public:
  virtual ~TUnicodeOutput() = default;
  TUnicodeOutput(const TUnicodeOutput&) = delete;
  TUnicodeOutput& operator=(const TUnicodeOutput&) = delete;

  virtual void WriteBom() = 0;
  virtual int Encoding() const = 0;
  virtual void WriteCharA(char c) = 0;
  virtual void WriteStrA(std::string_view text) = 0;
  virtual void WriteCharU(char16_t c) = 0;
  virtual void WriteStrU(std::u16string_view text) = 0;

  void WriteLnA(std::string_view text);
  void WriteLnU(std::u16string_view text);
  void NewLine();
  void WriteInt(int64_t n);
  void WriteIntLn(int64_t n);

 public:
  // Inherited by the concrete writers with the line-end bytes already
  // encoded; the second form owns the stream.
  TUnicodeOutput(TByteStream& stream, std::string_view lineEnd);
  TUnicodeOutput(std::unique_ptr<TByteStream> stream, std::string_view lineEnd);

 protected:
  void WriteBytes(std::string_view bytes) { stream_->Write(bytes.data(), bytes.size()); }

 private:
  std::unique_ptr<TByteStream> owned_;
  TByteStream* stream_;
  std::string lineEnd_;
};

// Detects the encoding, positions the stream behind any byte order mark and
// creates the matching reader. The first form owns the stream.
std::unique_ptr<TUnicodeInput> CreateUnicodeInput(std::unique_ptr<TByteStream> stream);
std::unique_ptr<TUnicodeInput> CreateUnicodeInput(TByteStream& stream);
// Raises EFOpenError when the file cannot be opened for reading.
std::unique_ptr<TUnicodeInput> OpenUnicodeInput(const std::u16string& fileName);

// The writer closes an owned stream when its last owner lets go.
std::shared_ptr<TUnicodeOutput> CreateUnicodeOutput(std::unique_ptr<TByteStream> stream, int encoding,
                                                    bool writeBom, int lineEnd);
std::shared_ptr<TUnicodeOutput> CreateUnicodeOutput(TByteStream& stream, int encoding, bool writeBom,
                                                    int lineEnd);
// Creates the file anew (replacing and truncating an old one).
std::shared_ptr<TUnicodeOutput> CreateUnicodeOutputFile(const std::u16string& fileName, int encoding,
                                                        int lineEnd, bool writeBom);

// The line-end bytes of (encoding, style), already encoded.
std::string_view LineEndBytes(int encoding, int lineEnd);

}  // namespace qv
