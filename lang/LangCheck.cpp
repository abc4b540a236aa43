#include "lang/LangCheck.h"

#include <set>

#include "lang/LanguageDocument.h"
#include "lang/SafeFormat.h"

namespace qv::lang {

namespace {

std::string Where(const CatalogEntry& entry) {
  return (entry.section.empty() ? std::string("(COMMON)") : std::string(entry.section)) + "." +
         std::string(entry.key);
}

}  // namespace

std::vector<std::string> CheckLanguageTexts(TMultilevel& document, std::span<const CatalogEntry> catalog) {
  std::vector<std::string> problems;
  std::vector<const CatalogEntry*> runtime;
  for (const CatalogEntry& entry : catalog) {
    const auto text = FindLanguageText(document, entry.section, entry.key);
    if (!text) {
      problems.push_back(Where(entry) + ": missing");
      continue;
    }
    if (!entry.args.empty()) {
      const std::string fault = CheckFormat(*text, entry.args);
      if (!fault.empty()) {
        problems.push_back(Where(entry) + ": format does not take (" + std::string(entry.args) + "): " + fault);
      }
    }
    if (entry.runtime) runtime.push_back(&entry);
  }
  PruneSections(document);
  std::set<std::string_view> reported;
  for (const CatalogEntry* entry : runtime) {
    if (FindLanguageText(document, entry->section, entry->key)) continue;
    if (!reported.insert(entry->section).second) continue;
    problems.push_back("section " + std::string(entry->section) + " lacks \"_Keep\" but " + Where(*entry) +
                       " is read after start-up");
  }
  return problems;
}

}  // namespace qv::lang
