#pragma once
// Small language files, each in a temporary folder of its own (or in a given
// folder) and removed again afterwards; load them by path().
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "tests/TempFolder.h"

namespace qv::lang::test {

class TempLanguageFile {
 public:
  // text: the file's lines in UTF-8, LF-separated; written with a byte order
  // mark so non-ASCII texts decode as UTF-8.
  TempLanguageFile(std::u16string name, const std::string& text, std::u16string folder = {})
      : own_(folder.empty() ? std::make_unique<qv::test::TempFolder>() : nullptr),
        name_(std::move(name)),
        folder_(own_ ? own_->File(u"") : std::move(folder)),
        path_(std::filesystem::path(folder_ + name_)) {
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
  std::unique_ptr<qv::test::TempFolder> own_;
  std::u16string name_;
  std::u16string folder_;
  std::filesystem::path path_;
};

}  // namespace qv::lang::test
