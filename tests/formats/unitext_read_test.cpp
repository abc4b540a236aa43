#include <gtest/gtest.h>

#include <vector>

#include "TextFixtures.h"
#include "base/Utf.h"

namespace qv {
namespace {

using test::ReaderOver;
using namespace std::string_literals;

std::vector<std::u16string> AllLines(TUnicodeInput& reader) {
  std::vector<std::u16string> lines;
  while (!reader.Eof()) lines.push_back(reader.ReadLineU());
  return lines;
}

// What a reader makes of a few bytes: the encoding its mark (or the lack of
// one) decides, and the lines after the mark. An odd-sized UTF-16 mark or a
// cut UTF-8 one means 8-bit text from the first byte; CR LF, a lone CR and a
// lone LF each end one line; a malformed UTF-8 line reads empty and reading
// goes on.
TEST(UniTextRead, MarksDecideTheEncodingAndLineEndsSplitTheText) {
  using Lines = std::vector<std::u16string>;
  struct Case {
    std::string bytes;
    int encoding;
    Lines lines;
  };
  const Case cases[] = {
      {""s, encAnsi, {}},
      {"\xFF\xFE"s, encUtf16LE, {}},
      {"\xFE\xFF"s, encUtf16BE, {}},
      {"\xEF\xBB\xBF"s, encUtf8, {}},
      {"\xFF\xFE\x41"s, encAnsi, {u"\u00FF\u00FE\u0041"}},
      {"\xFE\xFF\x00\x41\x00"s, encAnsi, {u"\u00FE\u00FF\0A\0"s}},
      {"\xEF\xBB"s, encAnsi, {u"\u00EF\u00BB"}},
      {"\xEF\xBB\x61"s, encAnsi, {u"\u00EF\u00BB\u0061"}},
      {"\xEF\xBB\xBF"
       "ab"s,
       encUtf8,
       {u"ab"}},
      {"a\r\nb"s, encAnsi, {u"a", u"b"}},
      {"a\r\n"s, encAnsi, {u"a", u""}},
      {"a\rb"s, encAnsi, {u"a", u"b"}},
      {"a\n\rb"s, encAnsi, {u"a", u"", u"b"}},
      {"a\nb\n"s, encAnsi, {u"a", u"b", u""}},
      {"\xFE\xFF\x00\x41\x20\xAC\x00\x0D\x00\x0A\x00\x42"s, encUtf16BE, {u"A\u20AC", u"B"}},
      // A byte that cannot start a sequence; a sequence cut short by the line end.
      {"\xEF\xBB\xBF"
       "a\xC3\x28"
       "b\nok\n\x80x\n\xE2\x82\nnext"s,
       encUtf8,
       {u"", u"ok", u"", u"", u"next"}},
      // Four bytes, or two encoded surrogates, make a surrogate pair.
      {"\xEF\xBB\xBF\xF0\x9F\x98\x80"s, encUtf8, {u"\U0001F600"}},
      {"\xEF\xBB\xBF\xED\xA0\xBD\xED\xB8\x80"s, encUtf8, {u"\U0001F600"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    const auto reader = ReaderOver(c.bytes);
    EXPECT_EQ(reader->Encoding(), c.encoding);
    EXPECT_EQ(AllLines(*reader), c.lines);
  }
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
