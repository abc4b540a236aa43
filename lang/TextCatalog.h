#pragma once
// Every (section, key) the program can ask the language file for, in one
// table. The language files, the translators' checker and the completeness
// tests all read this table, so a text the code needs cannot be forgotten in
// a translation.
#include <span>
#include <string_view>

namespace qv::lang {

enum class TextUse {
  Caption,  // a component's caption (or a window's own caption), applied by the walk at start-up
  Hint,     // a speed button's hint, applied by the walk at start-up
  Item,     // a list item "<component>_<i>", applied by the walk at start-up
  Message,  // fetched by code with LangTranslate, possibly long after start-up
};

struct CatalogEntry {
  std::string_view section;  // "fmMain", "COMMON", "EXCEPT", "!SYS", ...
  std::string_view key;
  TextUse use;
  // For texts used as format strings: the kinds of the arguments the code
  // passes, in order, one letter each: 's' text, 'd' integer. Empty for
  // texts that are shown as they stand.
  std::string_view args;
  // True when the code looks the text up after start-up, so its section
  // must carry "_Keep" to survive pruning.
  bool runtime;
};

std::span<const CatalogEntry> TextCatalog();

}  // namespace qv::lang
