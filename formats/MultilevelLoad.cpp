// The reader. It walks the lines without recursion and stops at the end of
// input: a document whose sections are not all closed is an error on the line
// after the last.
#include "formats/AnsiCodePage.h"
#include "formats/Multilevel.h"

namespace qv {
namespace {

bool IsBlank(char16_t c) { return c <= 32; }

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The program's own files nest four levels at most. Destroying and saving a
// tree recurse once per level, so a hand-made file nested thousands deep
// would exhaust the stack; it is refused at the line that goes too deep.
constexpr int kMaxDepth = 256;

}  // namespace

void TMultilevel::LoadFromFile(const std::u16string& fileName) {
  LoadFromReader(OpenUnicodeInput(fileName), 0);
}

void TMultilevel::LoadFromReader(std::unique_ptr<TUnicodeInput> reader, int32_t linesConsumed) {
  LoadFromReader(*reader, linesConsumed);
}

void TMultilevel::LoadFromReader(TUnicodeInput& reader, int32_t linesConsumed) {
  int32_t lineNo = linesConsumed + 1;
  std::u16string first = reader.ReadLineU();
  if (first.empty() || first[0] != u'{') throw EMultilevelInvalidFormat(lineNo);
  LineNo = lineNo;
  TMultilevel* current = this;
  int depth = 0;
  while (current) {
    if (reader.Eof()) throw EMultilevelInvalidFormat(lineNo + 1);
    ++lineNo;
    std::u16string line = reader.ReadLineU();
    std::u16string_view rest(line);
    while (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    if (rest.empty() || rest[0] == u';') continue;
    if (rest[0] == u'}') {
      current = current == this ? nullptr : current->Parent;
      --depth;
    } else if (rest[0] == u'{') {
      if (++depth > kMaxDepth) throw EMultilevelInvalidFormat(lineNo);
      current = current->AddSection(WideToAnsi(Trim(rest.substr(1))));
      current->LineNo = lineNo;
    } else {
      size_t equals = rest.find(u'=');
      if (equals == rest.npos) throw EMultilevelInvalidFormat(lineNo);
      TVariable* variable = current->AddVariable(WideToAnsi(Trim(rest.substr(0, equals))),
                                                 std::u16string(rest.substr(equals + 1)));
      variable->LineNo = lineNo;
    }
  }
}

}  // namespace qv
