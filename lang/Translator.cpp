#include "lang/Translator.h"

#include <vector>

#include "lang/Lang.h"

namespace qv::lang {

namespace {

std::vector<TTranslator>& Registry() {
  static std::vector<TTranslator> registry;
  return registry;
}

std::vector<TComponent*>& Forms() {
  static std::vector<TComponent*> forms;
  return forms;
}

void TranslateCaption(TComponent& c, std::string_view section) {
  c.caption = LangLookup(section, c.name, c.caption);
}

void TranslateAction(TComponent& c, std::string_view section) {
  TranslateCaption(c, section);
  c.hint = StripAccelerators(c.caption);
}

void TranslateSpeedButton(TComponent& c, std::string_view section) {
  if (!c.showHint) return;
  std::u16string hint = LangLookup(section, c.name, u"");
  if (!hint.empty()) c.hint = std::move(hint);
}

// A list whose first item has no text keeps its stored items; once the first
// is there, every stored item must be, so a half-translated list is an error
// rather than a mix of languages.
void TranslateItems(TComponent& c, std::string_view section) {
  const std::string prefix = c.name + "_";
  if (LangLookup(section, prefix + "0", NotFoundMarker) == NotFoundMarker) return;
  // Only the texts change: itemIndex stays, and the window side selects it
  // again after writing the new items into the control.
  for (std::size_t i = 0; i < c.items.size(); ++i) {
    c.items[i] = LangTranslate(section, prefix + std::to_string(i));
  }
}

void TranslateRadioGroup(TComponent& c, std::string_view section) {
  TranslateCaption(c, section);
  TranslateItems(c, section);
}

}  // namespace

void RegisterTranslator(Kind kind, TranslatorProc handler) {
  Registry().push_back({kind, std::move(handler)});
}

void RegisterStandardTranslators() {
  // First group.
  RegisterTranslator(Kind::Form, TranslateCaption);
  RegisterTranslator(Kind::Label, TranslateCaption);
  RegisterTranslator(Kind::Button, TranslateCaption);
  RegisterTranslator(Kind::GroupBox, TranslateCaption);
  RegisterTranslator(Kind::TabSheet, TranslateCaption);
  RegisterTranslator(Kind::CheckBox, TranslateCaption);
  RegisterTranslator(Kind::ComboBox, TranslateItems);
  RegisterTranslator(Kind::MenuItem, TranslateCaption);
  RegisterTranslator(Kind::Action, TranslateAction);
  // Second group.
  RegisterTranslator(Kind::BitBtn, TranslateCaption);
  RegisterTranslator(Kind::SpeedButton, TranslateSpeedButton);
  RegisterTranslator(Kind::RadioGroup, TranslateRadioGroup);
}

void RegisterLangForm(TComponent& form) { Forms().push_back(&form); }

void TranslateComponent(TComponent& component, std::string_view section) {
  if (component.name.empty()) return;
  const auto& registry = Registry();
  for (auto it = registry.rbegin(); it != registry.rend(); ++it) {
    if (IsA(component.kind, it->kind)) {
      it->handler(component, section);
      break;
    }
  }
  for (auto& child : component.owned) TranslateComponent(*child, section);
}

void TranslateAllForms() {
  for (TComponent* form : Forms()) TranslateComponent(*form, form->name);
  AfterTranslateHook();
  ReleaseLanguageHook();
}

void ResetTranslation() {
  Registry().clear();
  Forms().clear();
}

std::u16string StripAccelerators(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      out += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == u'&') {
      out += u'&';
      ++i;
    }
  }
  return out;
}

}  // namespace qv::lang
