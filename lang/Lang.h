#pragma once
// The text lookup every window and message goes through, and the hooks the
// start-up order fills in. Lower modules call these procedure variables; the
// program's entry sets them once before anything is translated.
#include <functional>
#include <string>
#include <string_view>

namespace qv::lang {

// (section, key, default) -> text; returns the default when nothing matches.
using LookupProc = std::function<std::u16string(std::string_view, std::string_view, std::u16string_view)>;
using HookProc = std::function<void()>;

// Process-wide; each starts as a procedure that finds nothing or does nothing.
extern LookupProc LangLookup;
extern HookProc AfterTranslateHook;
extern HookProc ReleaseLanguageHook;

// One character of code 0: no language text can be it, so it tells "not
// found" apart from an empty translation.
extern const std::u16string NotFoundMarker;

// The required lookup: raises EMultilang "LangTranslate: cannot translate
// SECTION.KEY" when the text is found nowhere.
std::u16string LangTranslate(std::string_view section, std::string_view key);

}  // namespace qv::lang
