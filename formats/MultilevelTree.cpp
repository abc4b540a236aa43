// Building the tree and finding things in it.
#include "formats/Multilevel.h"
#include "formats/ReadWatch.h"

namespace qv {

void TMultilevelList::Delete(int index) {
  std::unique_ptr<TMultilevel> section = std::move(items_.at(static_cast<size_t>(index)));
  items_.erase(items_.begin() + index);
  section->Parent = nullptr;
}

TMultilevel* TMultilevel::AddSection(std::string name) {
  return Sections.Add(std::make_unique<TMultilevel>(this, std::move(name)));
}

TVariable* TMultilevel::AddVariable(std::string name, std::u16string value) {
  return Variables.Add(std::make_unique<TVariable>(this, std::move(name), std::move(value)));
}

TVariable* TMultilevel::AddIntVariable(std::string name, int32_t value) {
  std::string digits = std::to_string(value);
  return AddVariable(std::move(name), std::u16string(digits.begin(), digits.end()));
}

TVariable* TMultilevel::FindVariable(std::string_view name) const {
  for (const auto& variable : Variables) {
    if (variable->Name != name) continue;
    ReportLooked(*variable);
    return variable.get();
  }
  return nullptr;
}

TMultilevel* TMultilevel::FindSection(std::string_view name) const {
  for (const auto& section : Sections) {
    if (section->Name == name) return section.get();
  }
  return nullptr;
}

}  // namespace qv
