#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "TextFixtures.h"

namespace qv {
namespace {

using namespace std::string_literals;
using test::BytesOf;

std::string Written(int encoding, int lineEnd, bool bom, void (*write)(TUnicodeOutput&)) {
  TMemoryStream stream;
  write(*CreateUnicodeOutput(stream, encoding, bom, lineEnd));
  return BytesOf(stream);
}

TEST(UniTextWrite, ByteOrderMarksAndLineEnds) {
  auto lineX = [](TUnicodeOutput& w) { w.WriteLnU(u"x"); };
  EXPECT_EQ(Written(encUtf8, leCRLF, true, lineX), "\xEF\xBB\xBFx\r\n"s);
  EXPECT_EQ(Written(encUtf16LE, leCRLF, true, lineX), "\xFF\xFEx\x00\r\x00\n\x00"s);
  EXPECT_EQ(Written(encUtf16BE, leCRLF, true, lineX), "\xFE\xFF\x00x\x00\r\x00\n"s);
  EXPECT_EQ(Written(encAnsi, leCRLF, true, lineX), "x\r\n"s);
  EXPECT_EQ(Written(encUtf8, leLF, false, lineX), "x\n"s);
  EXPECT_EQ(Written(encUtf16BE, leCR, false, lineX), "\x00x\x00\r"s);
  EXPECT_EQ(Written(encUtf16LE, leNul, false, lineX), "x\x00\x00\x00"s);
  EXPECT_EQ(Written(encAnsi, leNul, false, lineX), "x\x00"s);
}

TEST(UniTextWrite, Utf8WritesEachUnitOnItsOwn) {
  auto text = [](TUnicodeOutput& w) { w.WriteStrU(u"A\u00E9\u20AC\U0001F600"); };
  EXPECT_EQ(Written(encUtf8, leCRLF, false, text), "A\xC3\xA9\xE2\x82\xAC\xED\xA0\xBD\xED\xB8\x80"s);
}

TEST(UniTextWrite, EightBitTextGoesThroughTheCodePage) {
  auto text = [](TUnicodeOutput& w) {
    w.WriteStrA("\xE9");
    w.WriteCharA('z');
    w.WriteInt(-42);
  };
  EXPECT_EQ(Written(encUtf8, leCRLF, false, text), "\xC3\xA9z-42"s);
  EXPECT_EQ(Written(encUtf16BE, leCRLF, false, text),
            "\x00\xE9\x00z\x00-\x00"
            "4\x00"
            "2"s);
  EXPECT_EQ(Written(encAnsi, leCRLF, false, [](TUnicodeOutput& w) { w.WriteCharU(u'\u00E9'); }), "\xE9"s);
}

TEST(UniTextWrite, EveryEncodingReadsBackWhatWasWritten) {
  const std::u16string line = u"Stra\u00DFe \u0416 \u20AC";
  for (int encoding : {encUtf16BE, encUtf16LE, encUtf8}) {
    TMemoryStream stream;
    CreateUnicodeOutput(stream, encoding, true, leCRLF)->WriteLnU(line);
    stream.Seek(0);
    auto reader = CreateUnicodeInput(stream);
    EXPECT_EQ(reader->Encoding(), encoding);
    EXPECT_EQ(reader->ReadLineU(), line) << encoding;
  }
}

TEST(UniTextFile, WriterAndReaderCloseTheirFilesWhenTheLastOwnerLetsGo) {
  const test::TempFolder folder;
  const std::u16string name = folder.File(u"unitext_owner_\u00E9.txt");
  {
    auto writer = CreateUnicodeOutputFile(name, encUtf8, leCRLF, true);
    std::shared_ptr<TUnicodeOutput> second = writer;
    writer.reset();
    second->WriteLnU(u"kept");
    EXPECT_TRUE(test::HeldOpen(name));
  }
  EXPECT_FALSE(test::HeldOpen(name));
  {
    auto reader = OpenUnicodeInput(name);
    EXPECT_EQ(reader->Encoding(), encUtf8);
    EXPECT_EQ(reader->Size(), 9u);
    EXPECT_EQ(reader->ReadLineU(), u"kept");
    EXPECT_TRUE(test::HeldOpen(name));
  }
  EXPECT_FALSE(test::HeldOpen(name));
}

TEST(UniTextFile, MissingFileRaisesAnOpenError) {
  const test::TempFolder folder;
  EXPECT_THROW(OpenUnicodeInput(folder.File(u"no_such_file.txt")), EFOpenError);
  EXPECT_THROW(CreateUnicodeOutputFile(folder.File(u"no_such_dir/x.txt"), encUtf8, leCRLF, true),
               EFOpenError);
}

}  // namespace
}  // namespace qv
