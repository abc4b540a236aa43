#pragma once
// A folder of the test's own under the system's temporary folder, removed
// with everything in it when the test ends, so tests never write into the
// working folder or the source tree.
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

namespace qv::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("qv_test_" + std::to_string(random()) + "_" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A file name inside the folder, in the program's wide form.
  std::u16string File(const std::u16string& name) const { return (path_ / name).u16string(); }
  // Names of everything in the folder, sorted.
  std::string Listing() const {
    std::set<std::string> sorted;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      sorted.insert(entry.path().filename().string());
    }
    std::string names;
    for (const std::string& name : sorted) names += name + ";";
    return names;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::u16string& file) {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::u16string& file, const std::string& bytes) {
  std::ofstream(std::filesystem::path(file), std::ios::binary) << bytes;
}

}  // namespace qv::test
