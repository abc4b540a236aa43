#include "storage/FilePaths.h"

#include <filesystem>

namespace qv {

bool IsExistingFile(const std::u16string& fileName) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(fileName), error);
}

std::u16string FullPath(const std::u16string& fileName) {
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(std::filesystem::path(fileName), error);
  return error ? fileName : full.lexically_normal().u16string();
}

}  // namespace qv
