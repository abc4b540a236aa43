// Encoding detection: a byte order mark decides, and a UTF-16 mark counts
// only in a file of even size, so a 16-bit reader never meets half a unit.
#include "formats/UniTextReaders.h"

namespace qv {
namespace {

int DetectEncoding(TByteStream& stream) {
  uint64_t size = stream.Size();
  uint8_t mark[3] = {};
  int encoding = encAnsi;
  size_t markLength = 0;
  if (size >= 2 && stream.Read(mark, 2) == 2) {
    bool even = size % 2 == 0;
    if (even && mark[0] == 0xFF && mark[1] == 0xFE) {
      encoding = encUtf16LE, markLength = 2;
    } else if (even && mark[0] == 0xFE && mark[1] == 0xFF) {
      encoding = encUtf16BE, markLength = 2;
    } else if (mark[0] == 0xEF && mark[1] == 0xBB && size >= 3 && stream.Read(mark + 2, 1) == 1 &&
               mark[2] == 0xBF) {
      encoding = encUtf8, markLength = 3;
    }
  }
  // Without a mark every byte read so far is text.
  if (markLength == 0) stream.Seek(0);
  return encoding;
}

template <class Stream>
std::unique_ptr<TUnicodeInput> MakeReader(Stream&& stream, int encoding) {
  switch (encoding) {
    case encUtf16LE:
      return std::make_unique<TUnicodeInputN>(std::forward<Stream>(stream));
    case encUtf16BE:
      return std::make_unique<TUnicodeInputS>(std::forward<Stream>(stream));
    case encUtf8:
      return std::make_unique<TUnicodeInputU>(std::forward<Stream>(stream));
    default:
      return std::make_unique<TUnicodeInputA>(std::forward<Stream>(stream));
  }
}

}  // namespace

std::unique_ptr<TUnicodeInput> CreateUnicodeInput(std::unique_ptr<TByteStream> stream) {
  int encoding = DetectEncoding(*stream);
  return MakeReader(std::move(stream), encoding);
}

std::unique_ptr<TUnicodeInput> CreateUnicodeInput(TByteStream& stream) {
  return MakeReader(stream, DetectEncoding(stream));
}

std::unique_ptr<TUnicodeInput> OpenUnicodeInput(const std::u16string& fileName) {
  return CreateUnicodeInput(std::make_unique<TFileStream>(fileName, TFileStream::Mode::OpenRead));
}

}  // namespace qv
