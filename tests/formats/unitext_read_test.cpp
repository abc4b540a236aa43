#include <gtest/gtest.h>

#include <vector>

#include "TextFixtures.h"
#include "base/Utf.h"

namespace qv {
namespace {

using test::ReaderOver;
using namespace std::string_literals;

TEST(UniTextDetect, MarksDecideAndOddSizedUtf16MarksMeanAnsi) {
  struct Case {
    std::string bytes;
    int encoding;
  };
  const Case cases[] = {
      {""s, encAnsi},
      {"\xFF\xFE"s, encUtf16LE},
      {"\xFE\xFF"s, encUtf16BE},
      {"\xFF\xFE\x41"s, encAnsi},
      {"\xFE\xFF\x00\x41\x00"s, encAnsi},
      {"\xEF\xBB\xBF"s, encUtf8},
      {"\xEF\xBB"s, encAnsi},
      {"\xEF\xBB\x61"s, encAnsi},
      {"ab"s, encAnsi},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReaderOver(c.bytes)->Encoding(), c.encoding) << testing::PrintToString(c.bytes);
  }
}

TEST(UniTextDetect, ReaderStartsBehindTheMarkOrAtTheFirstByte) {
  auto empty = ReaderOver("");
  EXPECT_TRUE(empty->Eof());
  EXPECT_EQ(empty->ReadLineU(), u"");

  EXPECT_TRUE(ReaderOver("\xFF\xFE"s)->Eof());
  EXPECT_EQ(ReaderOver("\xFF\xFE\x41"s)->ReadLineU(), u"\u00FF\u00FE\u0041");
  EXPECT_EQ(ReaderOver("\xEF\xBB\xBF"
                       "ab"s)
                ->ReadLineU(),
            u"ab");
  EXPECT_EQ(ReaderOver("\xEF\xBB\x61"s)->ReadLineU(), u"\u00EF\u00BB\u0061");
}

std::vector<std::u16string> AllLines(TUnicodeInput& reader) {
  std::vector<std::u16string> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLineU());
  return lines;
}

TEST(UniTextLines, CrLfAndLoneCrAndLfEachEndOneLine) {
  using Lines = std::vector<std::u16string>;
  EXPECT_EQ(AllLines(*ReaderOver("a\r\nb")), (Lines{u"a", u"b"}));
  EXPECT_EQ(AllLines(*ReaderOver("a\r\n")), (Lines{u"a", u""}));
  EXPECT_EQ(AllLines(*ReaderOver("a\rb")), (Lines{u"a", u"b"}));
  EXPECT_EQ(AllLines(*ReaderOver("a\n\rb")), (Lines{u"a", u"", u"b"}));
  EXPECT_EQ(AllLines(*ReaderOver("a\nb\n")), (Lines{u"a", u"b", u""}));
}

TEST(UniTextLines, EofTurnsTrueOnlyAfterARefillFindsNothing) {
  auto reader = ReaderOver("x");
  EXPECT_FALSE(reader->Eof());
  EXPECT_EQ(reader->ReadLineU(), u"x");
  EXPECT_TRUE(reader->Eof());
  EXPECT_EQ(reader->ReadLineU(), u"");
}

TEST(UniTextLines, CrAtTheEndOfABlockTakesTheLfOfTheNextBlock) {
  std::string first(TUnicodeInput::kBlockSize - 1, 'a');
  auto reader = ReaderOver(first + "\r\nb");
  EXPECT_EQ(ToUtf8(reader->ReadLineU()), first);
  EXPECT_EQ(reader->ReadLineU(), u"b");
  EXPECT_TRUE(reader->Eof());

  // The same in UTF-16: the mark is read before the first block, so the
  // block holds units only and the CR is its last one.
  std::u16string wide(TUnicodeInput::kBlockSize / 2 - 1, u'w');
  std::string bytes = "\xFF\xFE"s;
  for (char16_t c : wide + u"\r\nz") bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  auto wideReader = ReaderOver(bytes);
  ASSERT_EQ(wideReader->Encoding(), encUtf16LE);
  EXPECT_EQ(wideReader->ReadLineU(), wide);
  EXPECT_EQ(wideReader->ReadLineU(), u"z");
}

TEST(UniTextLines, LoneCrAtABlockEndLeavesTheNextCharacterForTheNextLine) {
  std::string first(TUnicodeInput::kBlockSize - 1, 'a');
  auto reader = ReaderOver(first + "\rb\n");
  EXPECT_EQ(reader->ReadLineA(), first);
  EXPECT_EQ(reader->ReadLineA(), "b");
}

TEST(UniTextLines, LongLinesComeBackWholeInEveryEncoding) {
  std::string ansi(100000, 'q');
  EXPECT_EQ(ReaderOver(ansi + "\r\nend")->ReadLineA(), ansi);

  std::string utf8 = "\xEF\xBB\xBF"s;
  for (int i = 0; i < 50000; ++i) utf8 += "\xC3\xA9";  // two bytes per character, across blocks
  EXPECT_EQ(ReaderOver(utf8)->ReadLineU(), std::u16string(50000, u'\u00E9'));

  std::string big = "\xFE\xFF"s;
  for (int i = 0; i < 100000; ++i) big += "\x04\x10"s;
  EXPECT_EQ(ReaderOver(big)->ReadLineU(), std::u16string(100000, u'\u0410'));
}

TEST(UniTextLines, BigEndianTextIsSwappedBack) {
  auto reader = ReaderOver("\xFE\xFF\x00\x41\x20\xAC\x00\x0D\x00\x0A\x00\x42"s);
  ASSERT_EQ(reader->Encoding(), encUtf16BE);
  EXPECT_EQ(reader->ReadLineU(), u"A\u20AC");
  EXPECT_EQ(reader->ReadLineU(), u"B");
  EXPECT_TRUE(reader->Eof());
}

TEST(UniTextUtf8, MalformedLineReadsEmptyAndReadingGoesOn) {
  auto reader = ReaderOver(
      "\xEF\xBB\xBF"
      "a\xC3\x28"
      "b\nok\n\x80x\n\xE2\x82\nnext"s);
  EXPECT_EQ(reader->ReadLineU(), u"");
  EXPECT_EQ(reader->ReadLineU(), u"ok");
  EXPECT_EQ(reader->ReadLineU(), u"");  // a byte that cannot start a sequence
  EXPECT_EQ(reader->ReadLineU(), u"");  // a sequence cut short by the line end
  EXPECT_EQ(reader->ReadLineU(), u"next");
}

TEST(UniTextUtf8, FourByteSequenceBecomesASurrogatePair) {
  EXPECT_EQ(ReaderOver("\xEF\xBB\xBF\xF0\x9F\x98\x80"s)->ReadLineU(), u"\U0001F600");
  EXPECT_EQ(ReaderOver("\xEF\xBB\xBF\xED\xA0\xBD\xED\xB8\x80"s)->ReadLineU(), u"\U0001F600");
}

TEST(UniTextUtf8, ReadCharURaisesOnMalformedInput) {
  auto reader = ReaderOver(
      "\xEF\xBB\xBF"
      "a\xE2\x82\xAC\xC3\x28"s);
  EXPECT_EQ(reader->ReadCharU(), u'a');
  EXPECT_EQ(reader->ReadCharU(), u'\u20AC');
  try {
    reader->ReadCharU();
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.message(), u"UTF-8 error in ReadCharU");
  }
  EXPECT_THROW(ReaderOver("\xEF\xBB\xBF\x80"s)->ReadCharU(), EConvertError);
}

TEST(UniTextChars, SkipBlanksLeavesTheFirstOtherCharacter) {
  auto wide = ReaderOver("\xFF\xFE \x00 \x00x\x00"s);
  EXPECT_FALSE(wide->SkipBlanks());
  EXPECT_EQ(wide->ReadCharU(), u'x');
  EXPECT_TRUE(wide->SkipBlanks());

  auto ansi = ReaderOver(" \t\r\ny");
  EXPECT_FALSE(ansi->SkipBlanks());
  EXPECT_EQ(ansi->ReadCharA(), 'y');
}

TEST(UniTextText, ReadTextTakesTheBufferAndTheRestOfTheStream) {
  std::string body(TUnicodeInput::kBlockSize + 100, 'k');
  auto reader = ReaderOver("first\n" + body);
  EXPECT_EQ(reader->ReadLineA(), "first");
  EXPECT_EQ(reader->ReadTextA(), body);

  std::string big = "\xFE\xFF"s;
  for (int i = 0; i < 20000; ++i) big += "\x00\x31\x00\x0A"s;
  auto bigReader = ReaderOver(big);
  EXPECT_EQ(bigReader->ReadLineU(), u"1");
  std::u16string rest;
  for (int i = 1; i < 20000; ++i) rest += u"1\n";
  EXPECT_EQ(bigReader->ReadTextU(), rest);
}

TEST(UniTextText, ReadLinesCollectsEightBitLines) {
  std::vector<std::string> lines{"stale"};
  ReaderOver(
      "\xEF\xBB\xBF"
      "a\r\n\xC3\xA9")
      ->ReadLines(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "\xE9"}));
}

// A file that another program shortens while it is read: the size taken at
// open promises more than the reads deliver.
class ShortenedStream final : public TByteStream {
 public:
  explicit ShortenedStream(const std::string& bytes) : inner_(bytes.data(), bytes.size()) {}
  size_t Read(void* buffer, size_t count) override { return inner_.Read(buffer, count); }
  void Write(const void*, size_t) override {}
  uint64_t Size() const override { return inner_.Size() + 1000; }
  uint64_t Position() const override { return inner_.Position(); }
  void Seek(uint64_t position) override { inner_.Seek(position); }

 private:
  TMemoryStream inner_;
};

TEST(UniTextRead, InputEndsAtTheFirstReadThatReturnsNothing) {
  for (const std::string& bytes : {"a\r\nb"s,
                                   "\xEF\xBB\xBF"
                                   "a\r\nb"s,
                                   "\xFF\xFE"
                                   "a\x00\r\x00\n\x00"
                                   "b\x00"s}) {
    auto reader = CreateUnicodeInput(std::make_unique<ShortenedStream>(bytes));
    std::vector<std::u16string> lines;
    while (!reader->Eof() && lines.size() < 5) lines.push_back(reader->ReadLineU());
    EXPECT_EQ(lines, (std::vector<std::u16string>{u"a", u"b"})) << reader->Encoding();
    EXPECT_EQ(reader->ReadTextU(), u"");
  }
}

}  // namespace
}  // namespace qv
