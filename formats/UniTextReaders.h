#pragma once
// The four reader classes behind TUnicodeInput; CreateUnicodeInput picks one.
#include "formats/UniText.h"

namespace qv {

// 8-bit text in the ANSI code page.
class TUnicodeInputA final : public TUnicodeInput {
 public:
  using TUnicodeInput::TUnicodeInput;
  char16_t ReadCharU() override;
  char ReadCharA() override;
  std::u16string ReadLineU() override;
  std::string ReadLineA() override;
  std::u16string ReadTextU() override;
  std::string ReadTextA() override;
  int Encoding() const override { return encAnsi; }
};

// The readers whose text is wide at heart: their 8-bit operations convert
// the wide result to the ANSI code page.
class TUnicodeInputWide : public TUnicodeInput {
 public:
  using TUnicodeInput::TUnicodeInput;
  char ReadCharA() override;
  std::string ReadLineA() override;
  std::string ReadTextA() override;
};

// UTF-16, little-endian.
class TUnicodeInputN : public TUnicodeInputWide {
 public:
  using TUnicodeInputWide::TUnicodeInputWide;
  char16_t ReadCharU() override;
  std::u16string ReadLineU() override;
  std::u16string ReadTextU() override;
  bool SkipBlanks() override;
  int Encoding() const override { return encUtf16LE; }

 protected:
  // Bytes of 16-bit units already in little-endian order.
  virtual std::u16string UnitsFromStream(std::string bytes, size_t buffered) const;
};

// UTF-16, big-endian: every block is swapped as it is read, so the rest is
// the little-endian reader.
class TUnicodeInputS final : public TUnicodeInputN {
 public:
  using TUnicodeInputN::TUnicodeInputN;
  int Encoding() const override { return encUtf16BE; }

 protected:
  void Refill() override;
  std::u16string UnitsFromStream(std::string bytes, size_t buffered) const override;
};

// UTF-8.
class TUnicodeInputU final : public TUnicodeInputWide {
 public:
  using TUnicodeInputWide::TUnicodeInputWide;
  char16_t ReadCharU() override;
  std::u16string ReadLineU() override;
  std::u16string ReadTextU() override;
  int Encoding() const override { return encUtf8; }
};

}  // namespace qv
