#include "lang/LanguageDocument.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "base/ProgramFolder.h"
#include "lang/Lang.h"
#include "lang/Platform.h"

namespace qv::lang {

namespace {

std::unique_ptr<TMultilevel>& Document() {
  static std::unique_ptr<TMultilevel> document = std::make_unique<TMultilevel>();
  return document;
}

// One entry per UTF-16 code unit, so the rewrite costs one table look-up per
// character; an entry is an index into the replacement texts, -1 for none.
class CharacterMap {
 public:
  CharacterMap() : map_(65536, -1) {}

  void Replace(std::u16string_view characters, std::u16string replacement) {
    const auto index = static_cast<std::int32_t>(replacements_.size());
    for (char16_t c : characters) map_[c] = index;
    replacements_.push_back(std::move(replacement));
  }

  // From the last character to the first, so an inserted text is never
  // looked at again.
  void Rewrite(std::u16string& text) const {
    for (std::size_t i = text.size(); i-- > 0;) {
      const std::int32_t index = map_[text[i]];
      if (index >= 0) text.replace(i, 1, replacements_[static_cast<std::size_t>(index)]);
    }
  }

 private:
  std::vector<std::int32_t> map_;
  std::vector<std::u16string> replacements_;
};

void RewriteTexts(TMultilevel& document, bool win9x) {
  CharacterMap map;
  if (const TMultilevel* ascii = document.FindSection("ASCII"); win9x && ascii) {
    // Later sub-sections overwrite the entries of earlier ones.
    for (const auto& sub : ascii->Sections) {
      const std::u16string in = sub->ReadStringReq("In");
      map.Replace(in, sub->ReadStringReq("Out"));
    }
  }
  // After "ASCII", so the line-break character always wins. An empty "CR"
  // names no character.
  const std::u16string cr = document.ReadStringReq("CR");
  if (!cr.empty()) map.Replace(cr.substr(0, 1), u"\r\n");
  for (const auto& section : document.Sections) {
    for (const auto& variable : section->Variables) map.Rewrite(variable->Value);
  }
}

}  // namespace

TMultilevel& LanguageDocument() { return *Document(); }

void LoadLanguageDocument(TMultilevel& document, const std::u16string& path, bool win9x) {
  document.LoadFromFile(path);
  RewriteTexts(document, win9x);
}

void LoadLanguageFile(std::u16string_view name) {
  auto fresh = std::make_unique<TMultilevel>();
  const std::u16string path(name);
  const bool full = std::filesystem::path(path).is_absolute();
  LoadLanguageDocument(*fresh, full ? path : ProgramFolder() + path, IsWin9xPlatform());
  Document() = std::move(fresh);
}

std::optional<std::u16string> FindLanguageText(const TMultilevel& document, std::string_view section,
                                               std::string_view key) {
  if (const TMultilevel* own = document.FindSection(section)) {
    if (const TVariable* variable = own->FindVariable(key)) return variable->Value;
  }
  if (section.starts_with('!')) return std::nullopt;
  if (const TMultilevel* common = document.FindSection("COMMON")) {
    if (const TVariable* variable = common->FindVariable(key)) return variable->Value;
  }
  return std::nullopt;
}

void PruneSections(TMultilevel& document) {
  for (int i = document.Sections.Count() - 1; i >= 0; --i) {
    if (document.Sections[i]->ReadString("_Keep", u"").empty()) document.Sections.Delete(i);
  }
}

void PruneLanguageSections() { PruneSections(LanguageDocument()); }

void InstallLanguageFileHooks() {
  LangLookup = [](std::string_view section, std::string_view key, std::u16string_view fallback) {
    auto text = FindLanguageText(LanguageDocument(), section, key);
    return text ? std::move(*text) : std::u16string(fallback);
  };
  ReleaseLanguageHook = PruneLanguageSections;
}

}  // namespace qv::lang
