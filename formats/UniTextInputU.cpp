#include "formats/UniTextReaders.h"
#include "formats/Utf8Strict.h"

namespace qv {

char16_t TUnicodeInputU::ReadCharU() {
  int lead = TakeUnit(1);
  if (lead < 0x80) return lead < 0 ? u'\0' : static_cast<char16_t>(lead);
  auto fail = [] { return EConvertError(u"UTF-8 error in ReadCharU"); };
  size_t more = (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : 0;
  if (more == 0) throw fail();
  std::string bytes(1, static_cast<char>(lead));
  for (size_t k = 0; k < more; ++k) {
    int next = TakeUnit(1);
    if (next < 0) throw fail();
    bytes.push_back(static_cast<char>(next));
  }
  auto decoded = DecodeUtf8Strict(bytes);
  if (!decoded || decoded->size() != 1) throw fail();
  return (*decoded)[0];
}

std::u16string TUnicodeInputU::ReadLineU() {
  std::string bytes;
  ReadLineBytes(bytes, 1);
  return DecodeUtf8Strict(bytes).value_or(std::u16string());
}

std::u16string TUnicodeInputU::ReadTextU() {
  size_t buffered;
  return DecodeUtf8Strict(ReadRemainingBytes(buffered)).value_or(std::u16string());
}

}  // namespace qv
