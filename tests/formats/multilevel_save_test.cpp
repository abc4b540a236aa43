#include <gtest/gtest.h>

#include "../TempFolder.h"
#include "TextFixtures.h"
#include "formats/Multilevel.h"

namespace qv {
namespace {

using namespace std::string_literals;

std::string Saved(const TMultilevel& root, int encoding = encUtf8) {
  TMemoryStream stream;
  root.SaveToWriter(*CreateUnicodeOutput(stream, encoding, true, leCRLF));
  return test::BytesOf(stream);
}

TEST(MultilevelSave, ExampleDocumentBytes) {
  TMultilevel root;
  TMultilevel* s = root.AddSection("S");
  root.AddVariable("v", u"1");  // created after S, written before it
  s->AddSection("T");
  s->AddIntVariable("w", 2);
  root.Name = "ignored";
  EXPECT_EQ(Saved(root),
            "\xEF\xBB\xBF{ MULTILEVEL\r\n  v=1\r\n  { S\r\n    w=2\r\n    { T\r\n    }\r\n  }\r\n}\r\n"s);
}

TEST(MultilevelSave, EveryEightColumnsOfIndentBecomeATab) {
  TMultilevel root;
  TMultilevel* section = &root;
  for (int depth = 1; depth <= 8; ++depth) {
    section = section->AddSection("D" + std::to_string(depth));
    section->AddIntVariable("d", depth);
  }
  std::string text = Saved(root, encAnsi);
  EXPECT_NE(text.find("\t{ D4\r\n\t  d=4\r\n"), std::string::npos);
  EXPECT_NE(text.find("      { D3\r\n\td=3\r\n"), std::string::npos);
  EXPECT_NE(text.find("\t      { D7\r\n\t\td=7\r\n"), std::string::npos);
  EXPECT_NE(text.find("\t\t{ D8\r\n\t\t  d=8\r\n\t\t}\r\n"), std::string::npos);
}

TEST(MultilevelSave, RoundTripThroughARealFile) {
  TMultilevel root;
  root.AddVariable("Name", u" Stra\u00DFe \u20AC \U0001F600 a=b ");
  root.AddVariable("", u"");
  TMultilevel* keys = root.AddSection("KEYS");
  keys->AddIntVariable("Count", -3);
  keys->AddSection("")->AddVariable("\xE9", u"\u0416");
  const test::TempFolder folder;
  const std::u16string file = folder.File(u"multilevel_round_\u00E9.ml");
  root.SaveToFile(file, encUtf8);

  TMultilevel loaded;
  loaded.LoadFromFile(file);
  EXPECT_EQ(Saved(loaded), Saved(root));
  EXPECT_EQ(loaded.Variables[0]->Value, root.Variables[0]->Value);
  EXPECT_EQ(loaded.Sections[0]->Sections[0]->Variables[0]->Name, "\xE9");
  EXPECT_EQ(loaded.Sections[0]->LineNo, 4);
  EXPECT_EQ(loaded.Sections[0]->Variables[0]->LineNo, 5);
}

TEST(MultilevelSave, Utf16DocumentsReadBack) {
  TMultilevel root;
  root.AddSection("A")->AddVariable("k", u"\u0416");
  for (int encoding : {encUtf16BE, encUtf16LE}) {
    std::string bytes = Saved(root, encoding);
    TMultilevel loaded;
    loaded.LoadFromReader(test::ReaderOver(bytes), 0);
    EXPECT_EQ(Saved(loaded, encoding), bytes);
  }
}

TEST(MultilevelSave, SavingReplacesAnOlderLongerFile) {
  const test::TempFolder folder;
  const std::u16string file = folder.File(u"multilevel_replace.ml");
  TMultilevel big;
  for (int i = 0; i < 50; ++i) big.AddIntVariable("v" + std::to_string(i), i);
  big.SaveToFile(file, encUtf8);
  TMultilevel small;
  small.SaveToFile(file, encUtf8);
  EXPECT_EQ(OpenUnicodeInput(file)->Size(), 3u + 14u + 3u);
}

}  // namespace
}  // namespace qv
