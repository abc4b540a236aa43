#pragma once
// File names as the settings files use them.
#include <string>

namespace qv {

// True only for an existing file: a folder of that name does not count.
bool IsExistingFile(const std::u16string& fileName);
// The name expanded against the current folder, "." and ".." resolved.
std::u16string FullPath(const std::u16string& fileName);

}  // namespace qv
