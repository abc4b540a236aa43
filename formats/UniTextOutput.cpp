#include <array>
#include <string>

#include "formats/AnsiCodePage.h"
#include "formats/UniTextWriters.h"

namespace qv {

std::string_view LineEndBytes(int encoding, int lineEnd) {
  using namespace std::string_view_literals;
  static constexpr std::array<std::string_view, 4> kByte = {"\0"sv, "\r"sv, "\n"sv, "\r\n"sv};
  static constexpr std::array<std::string_view, 4> kLow = {"\0\0"sv, "\r\0"sv, "\n\0"sv, "\r\0\n\0"sv};
  static constexpr std::array<std::string_view, 4> kHigh = {"\0\0"sv, "\0\r"sv, "\0\n"sv, "\0\r\0\n"sv};
  size_t style = lineEnd >= leNul && lineEnd <= leCRLF ? static_cast<size_t>(lineEnd) : size_t{leCRLF};
  if (encoding == encUtf16LE) return kLow[style];
  if (encoding == encUtf16BE) return kHigh[style];
  return kByte[style];
}

TUnicodeOutput::TUnicodeOutput(TByteStream& stream, std::string_view lineEnd)
    : stream_(&stream), lineEnd_(lineEnd) {}

TUnicodeOutput::TUnicodeOutput(std::unique_ptr<TByteStream> stream, std::string_view lineEnd)
    : owned_(std::move(stream)), stream_(owned_.get()), lineEnd_(lineEnd) {}

void TUnicodeOutput::WriteLnA(std::string_view text) {
  WriteStrA(text);
  NewLine();
}

void TUnicodeOutput::WriteLnU(std::u16string_view text) {
  WriteStrU(text);
  NewLine();
}

void TUnicodeOutput::NewLine() { WriteBytes(lineEnd_); }

void TUnicodeOutput::WriteInt(int64_t n) { WriteStrA(std::to_string(n)); }

void TUnicodeOutput::WriteIntLn(int64_t n) {
  WriteInt(n);
  NewLine();
}

void TUnicodeOutputA::WriteCharU(char16_t c) { WriteStrA(WideToAnsi(std::u16string_view(&c, 1))); }

void TUnicodeOutputA::WriteStrU(std::u16string_view text) { WriteStrA(WideToAnsi(text)); }

void TUnicodeOutputWide::WriteCharA(char c) { WriteStrU(AnsiToWide(std::string_view(&c, 1))); }

void TUnicodeOutputWide::WriteStrA(std::string_view text) { WriteStrU(AnsiToWide(text)); }

void TUnicodeOutputUtf16::WriteStrU(std::u16string_view text) {
  std::string bytes(text.size() * 2, '\0');
  bool big = BigEndian();
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i + (big ? 1 : 0)] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + (big ? 0 : 1)] = static_cast<char>(text[i] >> 8);
  }
  WriteBytes(bytes);
}

void TUnicodeOutputU::WriteStrU(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  auto put = [&bytes](unsigned v) { bytes.push_back(static_cast<char>(v)); };
  for (char16_t u : text) {
    if (u < 0x80) {
      put(u);
    } else if (u < 0x800) {
      put(0xC0u | (u >> 6u));
      put(0x80u | (u & 0x3Fu));
    } else {
      put(0xE0u | (u >> 12u));
      put(0x80u | ((u >> 6u) & 0x3Fu));
      put(0x80u | (u & 0x3Fu));
    }
  }
  WriteBytes(bytes);
}

namespace {

template <class Stream>
std::shared_ptr<TUnicodeOutput> MakeWriter(Stream&& stream, int encoding, bool writeBom, int lineEnd) {
  std::string_view ending = LineEndBytes(encoding, lineEnd);
  std::shared_ptr<TUnicodeOutput> writer;
  switch (encoding) {
    case encUtf16LE:
      writer = std::make_shared<TUnicodeOutputN>(std::forward<Stream>(stream), ending);
      break;
    case encUtf16BE:
      writer = std::make_shared<TUnicodeOutputS>(std::forward<Stream>(stream), ending);
      break;
    case encUtf8:
      writer = std::make_shared<TUnicodeOutputU>(std::forward<Stream>(stream), ending);
      break;
    default:
      writer = std::make_shared<TUnicodeOutputA>(std::forward<Stream>(stream), ending);
  }
  if (writeBom) writer->WriteBom();
  return writer;
}

}  // namespace

std::shared_ptr<TUnicodeOutput> CreateUnicodeOutput(std::unique_ptr<TByteStream> stream, int encoding,
                                                    bool writeBom, int lineEnd) {
  return MakeWriter(std::move(stream), encoding, writeBom, lineEnd);
}

std::shared_ptr<TUnicodeOutput> CreateUnicodeOutput(TByteStream& stream, int encoding, bool writeBom,
                                                    int lineEnd) {
  return MakeWriter(stream, encoding, writeBom, lineEnd);
}

std::shared_ptr<TUnicodeOutput> CreateUnicodeOutputFile(const std::u16string& fileName, int encoding,
                                                        int lineEnd, bool writeBom) {
  return CreateUnicodeOutput(std::make_unique<TFileStream>(fileName, TFileStream::Mode::CreateWrite),
                             encoding, writeBom, lineEnd);
}

}  // namespace qv
