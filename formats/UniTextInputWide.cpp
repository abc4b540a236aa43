// The UTF-16 readers, and the 8-bit view shared by every wide reader.
#include <utility>

#include "formats/AnsiCodePage.h"
#include "formats/UniTextReaders.h"

namespace qv {

char TUnicodeInputWide::ReadCharA() {
  std::string ansi = WideToAnsi(std::u16string(1, ReadCharU()));
  return ansi.empty() ? '\0' : ansi[0];
}

std::string TUnicodeInputWide::ReadLineA() { return WideToAnsi(ReadLineU()); }

std::string TUnicodeInputWide::ReadTextA() { return WideToAnsi(ReadTextU()); }

char16_t TUnicodeInputN::ReadCharU() {
  int c = TakeUnit(2);
  return c < 0 ? u'\0' : static_cast<char16_t>(c);
}

bool TUnicodeInputN::SkipBlanks() { return SkipBlankUnits(2); }

std::u16string TUnicodeInputN::ReadLineU() {
  std::string bytes;
  ReadLineBytes(bytes, 2);
  // Line bytes come from the buffer, which already holds little-endian units.
  size_t count = bytes.size();
  return TUnicodeInputN::UnitsFromStream(std::move(bytes), count);
}

std::u16string TUnicodeInputN::ReadTextU() {
  size_t buffered;
  std::string bytes = ReadRemainingBytes(buffered);
  return UnitsFromStream(std::move(bytes), buffered);
}

std::u16string TUnicodeInputN::UnitsFromStream(std::string bytes, size_t) const {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return out;
}

void TUnicodeInputS::Refill() {
  TUnicodeInputN::Refill();
  for (size_t i = pos_; i + 1 < blockEnd_; i += 2) std::swap(buffer_[i], buffer_[i + 1]);
}

std::u16string TUnicodeInputS::UnitsFromStream(std::string bytes, size_t buffered) const {
  // Only what bypassed the buffer is still in big-endian order.
  for (size_t i = buffered; i + 1 < bytes.size(); i += 2) std::swap(bytes[i], bytes[i + 1]);
  return TUnicodeInputN::UnitsFromStream(std::move(bytes), buffered);
}

}  // namespace qv
