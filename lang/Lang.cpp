#include "lang/Lang.h"

#include "formats/AnsiCodePage.h"
#include "lang/EMultilang.h"
#include "lang/SafeFormat.h"

namespace qv::lang {

LookupProc LangLookup = [](std::string_view, std::string_view, std::u16string_view fallback) {
  return std::u16string(fallback);
};
HookProc AfterTranslateHook = [] {};
HookProc ReleaseLanguageHook = [] {};

const std::u16string NotFoundMarker(1, u'\0');

std::u16string LangTranslate(std::string_view section, std::string_view key) {
  std::u16string text = LangLookup(section, key, NotFoundMarker);
  if (text == NotFoundMarker) {
    // Section and key names are 8-bit text in the ANSI code page, as the file's names are.
    throw EMultilang(
        SafeFormat(u"LangTranslate: cannot translate %s.%s", {AnsiToWide(section), AnsiToWide(key)}), u"");
  }
  return text;
}

}  // namespace qv::lang
