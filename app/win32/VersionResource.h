#pragma once
// Reads the FileVersion string of a program file's version resource.
#include <string>

namespace qv::win32 {

// Through the resource's first translation entry; empty when the file has no
// version resource, no translation or no FileVersion.
std::string ReadFileVersion(const std::u16string& programPath);

}  // namespace qv::win32
