#pragma once
// The language file in memory: loaded once at start-up, its texts rewritten
// (line-break character, replacements for old Windows), looked up by
// (section, key) and, after the windows are translated, pruned to the
// sections marked "_Keep".
#include <optional>
#include <string>
#include <string_view>

#include "formats/Multilevel.h"

namespace qv::lang {

// The process-wide language document, empty until LoadLanguageFile.
TMultilevel& LanguageDocument();

// Reads the language file into LanguageDocument(), replacing what it held,
// and rewrites its texts for this platform. A bare name is looked for in the
// program's folder, where the language files are installed; a full path is
// read as it is.
void LoadLanguageFile(std::u16string_view name);

// Loads a file into a fresh document and rewrites its texts; win9x decides
// whether the "ASCII" section applies. LoadLanguageFile and the translators'
// checker both come here, so the checker sees the texts the program sees.
void LoadLanguageDocument(TMultilevel& document, const std::u16string& path, bool win9x);

// The text for (section, key): the first section of that name, then, unless
// the name begins with "!", section "COMMON"; nullopt when neither has it.
std::optional<std::u16string> FindLanguageText(const TMultilevel& document, std::string_view section,
                                               std::string_view key);

// Drops every root section without a non-empty "_Keep".
void PruneSections(TMultilevel& document);
void PruneLanguageSections();

// Start-up step one: LangLookup reads LanguageDocument(), ReleaseLanguageHook
// prunes it.
void InstallLanguageFileHooks();

}  // namespace qv::lang
