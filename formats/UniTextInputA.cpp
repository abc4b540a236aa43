#include "formats/AnsiCodePage.h"
#include "formats/UniTextReaders.h"

namespace qv {

char TUnicodeInputA::ReadCharA() {
  int c = TakeUnit(1);
  return c < 0 ? '\0' : static_cast<char>(c);
}

char16_t TUnicodeInputA::ReadCharU() { return AnsiToWide(std::string(1, ReadCharA()))[0]; }

std::string TUnicodeInputA::ReadLineA() {
  std::string line;
  ReadLineBytes(line, 1);
  return line;
}

std::u16string TUnicodeInputA::ReadLineU() { return AnsiToWide(ReadLineA()); }

std::string TUnicodeInputA::ReadTextA() {
  size_t buffered;
  return ReadRemainingBytes(buffered);
}

std::u16string TUnicodeInputA::ReadTextU() { return AnsiToWide(ReadTextA()); }

}  // namespace qv
