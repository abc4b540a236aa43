#include "lang/LangCheck.h"

#include <set>
#include <utility>

#include "lang/LanguageDocument.h"
#include "lang/SafeFormat.h"

namespace qv::lang {

namespace {

std::string Where(const CatalogEntry& entry) {
  return std::string(entry.section) + "." + std::string(entry.key);
}

// The section whose "_Keep" a run-time text depends on: the asked one when it
// holds the key, otherwise the "COMMON" it fell back to.
std::string_view ServingSection(const TMultilevel& document, const CatalogEntry& entry) {
  const TMultilevel* own = document.FindSection(entry.section);
  return own && own->FindVariable(entry.key) ? entry.section : std::string_view("COMMON");
}

}  // namespace

std::vector<std::string> CheckLanguageTexts(TMultilevel& document, std::span<const CatalogEntry> catalog) {
  std::vector<std::string> problems;
  std::vector<std::pair<const CatalogEntry*, std::string_view>> runtime;
  for (const CatalogEntry& entry : catalog) {
    const auto text = FindLanguageText(document, entry.section, entry.key);
    if (!text) {
      problems.push_back(Where(entry) + ": missing");
      continue;
    }
    if (!entry.args.empty()) {
      const std::string fault = CheckFormat(*text, entry.args);
      if (!fault.empty()) {
        problems.push_back(Where(entry) + ": format does not take (" + std::string(entry.args) +
                           "): " + fault);
      }
    }
    if (entry.runtime) runtime.emplace_back(&entry, ServingSection(document, entry));
  }
  PruneSections(document);
  std::set<std::string_view> reported;
  for (const auto& [entry, serving] : runtime) {
    if (FindLanguageText(document, entry->section, entry->key)) continue;
    if (!reported.insert(serving).second) continue;
    problems.push_back("section " + std::string(serving) + " lacks \"_Keep\" but " + Where(*entry) +
                       " is read after start-up");
  }
  return problems;
}

}  // namespace qv::lang
