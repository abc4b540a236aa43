#pragma once
// What the one error box says, for an error caught anywhere: at start-up, in
// a window's handler, or before the language file is there to help. Every
// way to the box ends in a caption and a text; nothing here raises.
#include <exception>
#include <string>

namespace qv::lang {

struct TErrorBox {
  std::u16string Caption;
  std::u16string Text;
};

// "msgTitle" formatted with the program's version; when the language file
// cannot give it (not loaded yet, or the text is missing), a built-in one.
std::u16string ErrorTitle();

// The message of an error as the user is to read it: an EMultilang through
// the language file (DisplayText), any other error its own message.
std::u16string ErrorMessage(const std::exception_ptr& error);

// The box for an error after the language file was loaded.
TErrorBox ErrorBoxFor(const std::exception_ptr& error);

// The box for an error that stopped the program before its language file was
// loaded (or because it could not be): built-in English caption and text.
TErrorBox StartFailureBox(const std::exception_ptr& error);

}  // namespace qv::lang
