#pragma once
// The walk that gives every window its texts at start-up: a registry of
// translators (kind -> handler), searched from the last entry so a later
// registration overrides an earlier one for the same component, and the list
// of windows that registered themselves on creation.
#include <functional>
#include <string>
#include <string_view>

#include "lang/Component.h"

namespace qv::lang {

using TranslatorProc = std::function<void(TComponent&, std::string_view section)>;

struct TTranslator {
  Kind kind;
  TranslatorProc handler;
};

void RegisterTranslator(Kind kind, TranslatorProc handler);
// The program's twelve translators, first group then second group.
void RegisterStandardTranslators();

// The form list does not own the forms; each window registers itself when
// it is created and must outlive TranslateAllForms.
void RegisterLangForm(TComponent& form);

void TranslateComponent(TComponent& component, std::string_view section);
// Translates every registered form in its own section, then runs
// AfterTranslateHook and ReleaseLanguageHook.
void TranslateAllForms();

// Empties the registry and the form list (program end; tests between cases).
void ResetTranslation();

// "&File" -> "File", "Save && quit" -> "Save & quit".
std::u16string StripAccelerators(std::u16string_view text);

}  // namespace qv::lang
