#pragma once
// The one root of every exception the program raises. Messages are wide text
// because they are shown in message boxes and may come from a translation;
// what() gives the same text in UTF-8 for logs and command-line tools.
#include <exception>
#include <string>

namespace qv {

class Error : public std::exception {
 public:
  explicit Error(std::u16string message);
  const std::u16string& message() const noexcept { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  std::u16string message_;
  std::string utf8_;
};

// A text that does not convert: malformed UTF-8 read one character at a time,
// a number that is not a number.
class EConvertError : public Error {
 public:
  using Error::Error;
};

}  // namespace qv
