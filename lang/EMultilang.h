#pragma once
// The localisation error. Its message is either a message id of section
// "EXCEPT" (raised by code that reports an error through the language file)
// or a sentence of its own (a text the language file lacks); the built-in
// English text is what the user sees when the language file cannot help.
#include <string>

#include "base/Error.h"

namespace qv::lang {

class EMultilang : public Error {
 public:
  EMultilang(std::u16string message, std::u16string builtIn)
      : Error(std::move(message)), builtIn_(std::move(builtIn)) {}
  const std::u16string& builtIn() const noexcept { return builtIn_; }

 private:
  std::u16string builtIn_;
};

// The text a message box shows for the error: the "EXCEPT" translation of
// its message, or, when there is none, the built-in text, a lone CR and the
// message in parentheses.
std::u16string DisplayText(const EMultilang& error);

}  // namespace qv::lang
