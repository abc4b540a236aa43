#pragma once
// Files as bytes, for tests that compare what the program wrote byte for
// byte, and the names a folder holds, to see that nothing was left behind.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace qv::test {

inline std::string ReadBytes(const std::u16string& file) {
  std::ifstream in(std::filesystem::path(file), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteBytes(const std::u16string& file, const std::string& bytes) {
  std::ofstream(std::filesystem::path(file), std::ios::binary) << bytes;
}

// The names in the folder, sorted, each followed by ";".
inline std::string Listing(const std::filesystem::path& folder) {
  std::set<std::string> sorted;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    sorted.insert(entry.path().filename().string());
  }
  std::string names;
  for (const std::string& name : sorted) names += name + ";";
  return names;
}

}  // namespace qv::test
