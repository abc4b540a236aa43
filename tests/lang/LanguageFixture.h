#pragma once
// Small language files written beside the test program, where
// LoadLanguageFile looks (or into a given folder), and removed again afterwards.
#include <filesystem>
#include <fstream>
#include <string>

#include "base/ProgramFolder.h"

namespace qv::lang::test {

class TempLanguageFile {
 public:
  // text: the file's lines in UTF-8, LF-separated; written with a byte order
  // mark so non-ASCII texts decode as UTF-8.
  TempLanguageFile(std::u16string name, const std::string& text, std::u16string folder = ProgramFolder())
      : name_(std::move(name)), folder_(std::move(folder)), path_(std::filesystem::path(folder_ + name_)) {
    std::ofstream out(path_, std::ios::binary);
    out << "\xEF\xBB\xBF" << text;
  }
  ~TempLanguageFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TempLanguageFile(const TempLanguageFile&) = delete;
  TempLanguageFile& operator=(const TempLanguageFile&) = delete;

  const std::u16string& name() const { return name_; }
  std::u16string path() const { return folder_ + name_; }

 private:
  std::u16string name_;
  std::u16string folder_;
  std::filesystem::path path_;
};

}  // namespace qv::lang::test
