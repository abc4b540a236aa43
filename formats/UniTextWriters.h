#pragma once
// The four writer classes behind TUnicodeOutput; CreateUnicodeOutput picks one.
#include "formats/UniText.h"

namespace qv {

// 8-bit text in the ANSI code page; no byte order mark exists for it.
class TUnicodeOutputA final : public TUnicodeOutput {
 public:
  using TUnicodeOutput::TUnicodeOutput;
  void WriteBom() override {}
  int Encoding() const override { return encAnsi; }
  void WriteCharA(char c) override { WriteBytes(std::string_view(&c, 1)); }
  void WriteStrA(std::string_view text) override { WriteBytes(text); }
  void WriteCharU(char16_t c) override;
  void WriteStrU(std::u16string_view text) override;
};

// The writers whose text is wide: 8-bit text is widened through the ANSI code
// page first.
class TUnicodeOutputWide : public TUnicodeOutput {
 public:
  using TUnicodeOutput::TUnicodeOutput;
  void WriteCharA(char c) override;
  void WriteStrA(std::string_view text) override;
  void WriteCharU(char16_t c) override { WriteStrU(std::u16string_view(&c, 1)); }
};

// UTF-16 in either byte order.
class TUnicodeOutputUtf16 : public TUnicodeOutputWide {
 public:
  using TUnicodeOutputWide::TUnicodeOutputWide;
  void WriteBom() override { WriteStrU(u"\xFEFF"); }
  void WriteStrU(std::u16string_view text) override;

 protected:
  virtual bool BigEndian() const = 0;
};

class TUnicodeOutputN final : public TUnicodeOutputUtf16 {
 public:
  using TUnicodeOutputUtf16::TUnicodeOutputUtf16;
  int Encoding() const override { return encUtf16LE; }

 protected:
  bool BigEndian() const override { return false; }
};

class TUnicodeOutputS final : public TUnicodeOutputUtf16 {
 public:
  using TUnicodeOutputUtf16::TUnicodeOutputUtf16;
  int Encoding() const override { return encUtf16BE; }

 protected:
  bool BigEndian() const override { return true; }
};

class TUnicodeOutputU final : public TUnicodeOutputWide {
 public:
  using TUnicodeOutputWide::TUnicodeOutputWide;
  void WriteBom() override { WriteBytes("\xEF\xBB\xBF"); }
  int Encoding() const override { return encUtf8; }
  // Each UTF-16 unit on its own: a surrogate pair becomes two 3-byte
  // sequences, which the reader turns back into the same pair.
  void WriteStrU(std::u16string_view text) override;
};

}  // namespace qv
