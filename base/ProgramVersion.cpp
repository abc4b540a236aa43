#include "base/ProgramVersion.h"

#include <charconv>

namespace qv {
namespace {

TProgramVersion current;

}  // namespace

int32_t BuildNumberOf(std::string_view version) {
  const auto dot = version.rfind('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view digits = version.substr(dot + 1);
  int32_t build = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), build);
  // "45abc" is not a number, and neither is an empty tail.
  if (error != std::errc{} || end != digits.data() + digits.size()) return 0;
  return build;
}

const TProgramVersion& ProgramVersion() { return current; }

void SetProgramVersion(std::string text) {
  current.Build = BuildNumberOf(text);
  current.Text = std::move(text);
}

}  // namespace qv
