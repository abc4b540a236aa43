#pragma once
// The program's own version, read once at start-up from its version
// resource and shown in the error caption, the main menu and the about box.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct TProgramVersion {
  std::string Text;   // the resource's FileVersion, e.g. "1.0.0.27"; empty without one
  int32_t Build = 0;  // the number after its last "."
};

// 0 when the text has no "." or what follows the last one is not a number.
int32_t BuildNumberOf(std::string_view version);

const TProgramVersion& ProgramVersion();
void SetProgramVersion(std::string text);

}  // namespace qv
