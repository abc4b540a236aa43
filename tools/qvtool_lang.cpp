// qvtool lang: the translators' tools.
//   check FILE: tells a translator, before the program does, what a language
//     file lacks. The file is loaded and pruned exactly as the program loads
//     and prunes it, and checked against the table of texts the code asks
//     for. Exit 0 with a one-line summary when nothing is wrong, 1 with one
//     line per problem otherwise.
//   get FILE SECTION KEY: prints the text the program shows for one section
//     and key right after loading the file (COMMON fallback, "!" sections and
//     line breaks applied; CR LF written as they are). Exit 0, or 1 with the
//     message when the program would find no text.
// Both exit 1 for a document the program would refuse and 2 when the file
// cannot be read or the usage is wrong, as "qvtool check" does.
#include <algorithm>
#include <optional>
#include <utility>

#include "base/Utf.h"
#include "formats/AnsiCodePage.h"
#include "formats/Multilevel.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "lang/LangCheck.h"
#include "lang/LanguageDocument.h"
#include "lang/TextCatalog.h"
#include "tools/QvToolCommands.h"

namespace qv::tool {
namespace {

// The message's CR separates title and detail; on a terminal it is a line break.
void ReportError(const std::string& file, const Error& e, std::ostream& err) {
  std::string text = e.what();
  std::replace(text.begin(), text.end(), '\r', '\n');
  err << file << ": " << text << '\n';
}

// Loads the file as the program does; on failure reports it and gives the exit code.
std::optional<int> Load(TMultilevel& document, const std::string& file, std::ostream& err) {
  try {
    lang::LoadLanguageDocument(document, FromUtf8(file), false);
    return std::nullopt;
  } catch (const Error& e) {
    ReportError(file, e, err);
    // A document the program would refuse is a finding; a file that cannot
    // be read is a usage problem.
    return dynamic_cast<const EMultilevel*>(&e) ? 1 : 2;
  }
}

int Check(const std::string& file, std::ostream& out, std::ostream& err) {
  TMultilevel document;
  if (const auto failed = Load(document, file, err)) return *failed;
  const auto catalog = lang::TextCatalog();
  const auto problems = lang::CheckLanguageTexts(document, catalog);
  for (const std::string& problem : problems) out << file << ": " << problem << '\n';
  if (!problems.empty()) {
    out << file << ": " << problems.size() << " problem(s) in " << catalog.size() << " texts\n";
    return 1;
  }
  out << file << ": all " << catalog.size() << " texts present, formats and \"_Keep\" marks in order\n";
  return 0;
}

// Puts a lookup in place of the program's for as long as it lives.
class ScopedLookup {
 public:
  explicit ScopedLookup(lang::LookupProc lookup)
      : saved_(std::exchange(lang::LangLookup, std::move(lookup))) {}
  ~ScopedLookup() { lang::LangLookup = std::move(saved_); }
  ScopedLookup(const ScopedLookup&) = delete;
  ScopedLookup& operator=(const ScopedLookup&) = delete;

 private:
  lang::LookupProc saved_;
};

int Get(const std::string& file, const std::string& section, const std::string& key, std::ostream& out,
        std::ostream& err) {
  TMultilevel document;
  if (const auto failed = Load(document, file, err)) return *failed;
  // The program's own lookup over this document, so the text and the error
  // are exactly the program's. Names on the command line are UTF-8; in the
  // file they are 8-bit text in the ANSI code page.
  const ScopedLookup lookup([&](std::string_view s, std::string_view k, std::u16string_view fallback) {
    auto text = lang::FindLanguageText(document, s, k);
    return text ? std::move(*text) : std::u16string(fallback);
  });
  std::u16string text;
  try {
    text = lang::LangTranslate(WideToAnsi(FromUtf8(section)), WideToAnsi(FromUtf8(key)));
  } catch (const lang::EMultilang& e) {
    ReportError(file, e, err);
    return 1;
  }
  out << ToUtf8(text) << "\r\n";
  return out.flush() ? 0 : 2;
}

}  // namespace

int RunLang(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() == 2 && args[0] == "check") return Check(args[1], out, err);
  if (args.size() == 4 && args[0] == "get") return Get(args[1], args[2], args[3], out, err);
  err << "usage: qvtool lang check FILE\n       qvtool lang get FILE SECTION KEY\n";
  return 2;
}

}  // namespace qv::tool
