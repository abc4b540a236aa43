#pragma once
// The system's 8-bit (ANSI) code page: section and variable names and 8-bit
// text files go through it. Windows uses its active code page; elsewhere the
// program behaves as a Western-European Windows would, with Windows-1252.
#include <string>
#include <string_view>

namespace qv {

std::u16string AnsiToWide(std::string_view text);
// Characters the code page cannot hold become '?'.
std::string WideToAnsi(std::u16string_view text);

}  // namespace qv
