#pragma once
// What a translator needs to hear about a language file before the program
// meets it: texts the program asks for that the file lacks, format strings
// that do not take the values the program passes, and sections the program
// reads after start-up that pruning would drop.
#include <span>
#include <string>
#include <vector>

#include "formats/Multilevel.h"
#include "lang/TextCatalog.h"

namespace qv::lang {

// One line per problem, in catalog order. The document must be loaded as the
// program loads it (LoadLanguageDocument); it is pruned as the program prunes
// it, so it only serves run-time lookups afterwards.
std::vector<std::string> CheckLanguageTexts(TMultilevel& document, std::span<const CatalogEntry> catalog);

}  // namespace qv::lang
