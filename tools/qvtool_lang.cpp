// qvtool lang check FILE: tells a translator, before the program does, what
// a language file lacks. The file is loaded and pruned exactly as the program
// loads and prunes it, and checked against the table of texts the code asks
// for. Exit 0 with a one-line summary when nothing is wrong, 1 with one line
// per problem otherwise, 2 when the file cannot be read or the usage is wrong.
#include <algorithm>

#include "base/Utf.h"
#include "formats/Multilevel.h"
#include "lang/LangCheck.h"
#include "lang/LanguageDocument.h"
#include "lang/TextCatalog.h"
#include "tools/QvToolCommands.h"

namespace qv::tool {

int RunLang(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2 || args[0] != "check") {
    err << "usage: qvtool lang check FILE\n";
    return 2;
  }
  const std::string& file = args[1];
  TMultilevel document;
  try {
    lang::LoadLanguageDocument(document, FromUtf8(file), false);
  } catch (const Error& e) {
    std::string text = e.what();
    std::replace(text.begin(), text.end(), '\r', '\n');
    err << file << ": " << text << '\n';
    // A document the program would refuse is a finding; a file that cannot
    // be read is a usage problem, as for "qvtool check".
    return dynamic_cast<const EMultilevel*>(&e) ? 1 : 2;
  }
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

}  // namespace qv::tool
