#pragma once
// Multilevel: the program's one document format, a tree of named sections
// holding named text variables, stored as indented text:
//
//   { MULTILEVEL
//     Name=value
//     { SECTION
//       Inner=1
//     }
//   }
//
// Every value is text; numbers and flags are stored as decimal text. Names
// are 8-bit (ANSI code page), values UTF-16. Lookups return the first match.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/MultilevelErrors.h"
#include "formats/UniText.h"

namespace qv {

class TMultilevel;

class TVariable {
 public:
  TVariable(TMultilevel* owner, std::string name, std::u16string value)
      : Owner(owner), Name(std::move(name)), Value(std::move(value)) {}
  TVariable(const TVariable&) = delete;
  TVariable& operator=(const TVariable&) = delete;

  TMultilevel* Owner;
  std::string Name;
  std::u16string Value;
  int32_t LineNo = 0;
};

// An ordered list that owns its items; deleting an item destroys it.
template <class T>
class TOwnedList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  T* operator[](int index) const { return items_.at(static_cast<size_t>(index)).get(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 protected:
  friend class TMultilevel;
  T* Add(std::unique_ptr<T> item) { return items_.emplace_back(std::move(item)).get(); }
  std::vector<std::unique_ptr<T>> items_;
};

using TVariableList = TOwnedList<TVariable>;

class TMultilevelList : public TOwnedList<TMultilevel> {
 public:
  // Detaches the sub-section (clears its Parent) and destroys it.
  void Delete(int index);
};

class TMultilevel {
 public:
  // A root: no parent, named "MULTILEVEL".
  TMultilevel() : TMultilevel(nullptr, "MULTILEVEL") {}
  TMultilevel(TMultilevel* parent, std::string name) : Parent(parent), Name(std::move(name)) {}
  virtual ~TMultilevel() = default;
  TMultilevel(const TMultilevel&) = delete;
  TMultilevel& operator=(const TMultilevel&) = delete;

  TMultilevel* Parent;
  TMultilevelList Sections;
  TVariableList Variables;
  std::string Name;
  int32_t LineNo = 0;

  TMultilevel* AddSection(std::string name);
  TVariable* AddVariable(std::string name, std::u16string value);
  TVariable* AddIntVariable(std::string name, int32_t value);

  // The first direct variable of that name, or null. Every reading operation
  // below looks its variable up through this.
  virtual TVariable* FindVariable(std::string_view name) const;
  TMultilevel* FindSection(std::string_view name) const;

  std::u16string ReadString(std::string_view name, std::u16string_view def) const;
  std::u16string ReadStringReq(std::string_view name) const;
  int32_t ReadInteger(std::string_view name, int32_t def) const;
  int32_t ReadIntegerReq(std::string_view name) const;
  // False only for the exact value "0".
  bool ReadBool(std::string_view name, bool def) const;
  // The value as one of names[0..highest] or as a number; the number is not
  // range-checked here, the caller decides what an unlisted index means.
  int32_t ReadEnum(std::string_view name, std::span<const std::string_view> names, int highest,
                   int32_t def) const;
  int32_t ReadEnumReq(std::string_view name, std::span<const std::string_view> names, int highest) const;

  // Appends what the file holds to this section; raises EFOpenError,
  // EMultilevelInvalidFormat (the tree keeps what was read before).
  void LoadFromFile(const std::u16string& fileName);
  // linesConsumed: lines the caller already read from this reader, so that
  // error line numbers count from the start of the file.
  void LoadFromReader(TUnicodeInput& reader, int32_t linesConsumed);
  void LoadFromReader(std::unique_ptr<TUnicodeInput> reader, int32_t linesConsumed);

  void SaveToFile(const std::u16string& fileName, int encoding) const;
  // The whole document, header line "{ MULTILEVEL" first, to any writer.
  void SaveToWriter(TUnicodeOutput& writer) const;
};

// Exact match first, then ASCII-case-insensitive, then the text as an integer
// (raising EConvertError if it is none). The number is returned as parsed.
int32_t IndexOfName(std::u16string_view text, std::span<const std::string_view> names, int highest);

}  // namespace qv
