// The typed reads: optional ones fall back to their default, required ones
// raise an EMultilevelReqmentError naming what was asked.
#include <algorithm>

#include "formats/AnsiCodePage.h"
#include "formats/Multilevel.h"
#include "formats/MultilevelInt.h"
#include "formats/ReadWatch.h"

namespace qv {
namespace {

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// Returns the index, or nullopt when the text is neither a name nor a number.
std::optional<int32_t> FindName(std::u16string_view text, std::span<const std::string_view> names,
                                int highest) {
  std::string ansi = WideToAnsi(text);
  size_t count = highest < 0 ? 0 : std::min(names.size(), static_cast<size_t>(highest) + 1);
  for (size_t i = 0; i < count; ++i) {
    if (names[i] == ansi) return static_cast<int32_t>(i);
  }
  std::string upper = UpperAscii(ansi);
  for (size_t i = 0; i < count; ++i) {
    if (UpperAscii(names[i]) == upper) return static_cast<int32_t>(i);
  }
  return ParseMultilevelInt(text);
}

std::u16string Decimal(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// What a checker is told an enumeration fell back to: its name when it has one.
std::u16string UsedName(int32_t def, std::span<const std::string_view> names, int highest) {
  const bool named = def >= 0 && def <= highest && static_cast<size_t>(def) < names.size();
  return named ? AnsiToWide(names[static_cast<size_t>(def)]) : Decimal(def);
}

}  // namespace

int32_t IndexOfName(std::u16string_view text, std::span<const std::string_view> names, int highest) {
  if (auto index = FindName(text, names, highest)) return *index;
  throw EConvertError(u"'" + std::u16string(text) + u"' is not a valid integer value");
}

std::u16string TMultilevel::ReadString(std::string_view name, std::u16string_view def) const {
  const TVariable* variable = FindVariable(name);
  return variable ? variable->Value : std::u16string(def);
}

std::u16string TMultilevel::ReadStringReq(std::string_view name) const {
  const TVariable* variable = FindVariable(name);
  if (!variable) throw EMultilevelReqNoVariable(this, std::string(name));
  return variable->Value;
}

int32_t TMultilevel::ReadInteger(std::string_view name, int32_t def) const {
  const TVariable* variable = FindVariable(name);
  if (!variable) return def;
  const std::optional<int32_t> value = ParseMultilevelInt(variable->Value);
  if (!value) ReportUnreadable(variable, Decimal(def));
  return value.value_or(def);
}

int32_t TMultilevel::ReadIntegerReq(std::string_view name) const {
  const TVariable* variable = FindVariable(name);
  if (!variable) throw EMultilevelReqNoVariable(this, std::string(name));
  auto value = ParseMultilevelInt(variable->Value);
  if (!value) throw EMultilevelReqConvertError(variable);
  return *value;
}

bool TMultilevel::ReadBool(std::string_view name, bool def) const {
  const TVariable* variable = FindVariable(name);
  return variable ? variable->Value != u"0" : def;
}

int32_t TMultilevel::ReadEnum(std::string_view name, std::span<const std::string_view> names, int highest,
                              int32_t def) const {
  const TVariable* variable = FindVariable(name);
  if (!variable || variable->Value.empty()) return def;
  const std::optional<int32_t> index = FindName(variable->Value, names, highest);
  if (!index) ReportUnreadable(variable, UsedName(def, names, highest));
  return index.value_or(def);
}

int32_t TMultilevel::ReadEnumReq(std::string_view name, std::span<const std::string_view> names,
                                 int highest) const {
  const TVariable* variable = FindVariable(name);
  if (!variable) throw EMultilevelReqNoVariable(this, std::string(name));
  return IndexOfName(variable->Value, names, highest);
}

}  // namespace qv
