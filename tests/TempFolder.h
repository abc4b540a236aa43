#pragma once
// A folder of its own for every test that writes files, under the system's
// temporary folder and removed with everything in it afterwards, so no test
// writes where it was started from.
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace qv::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("qv_test_" + std::to_string(random()) + "_" + std::to_string(now));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // A file name inside the folder, as the program's file functions take it.
  std::u16string File(std::u16string_view name) const { return (path_ / name).u16string(); }

 private:
  std::filesystem::path path_;
};

// True while this process holds the file open: Linux lists its open files
// in /proc/self/fd, and Windows refuses to rename a file that the C runtime
// holds open (it opens without delete sharing).
inline bool HeldOpen(const std::filesystem::path& file) {
  namespace fs = std::filesystem;
  std::error_code ec;
#ifdef _WIN32
  const fs::path moved = fs::path(file).concat(".moved");
  fs::rename(file, moved, ec);
  if (ec) return true;
  fs::rename(moved, file);
  return false;
#else
  const fs::path target = fs::canonical(file);
  for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
    if (fs::read_symlink(entry.path(), ec) == target) return true;
  }
  return false;
#endif
}

}  // namespace qv::test
