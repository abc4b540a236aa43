#include "tools/QvToolArgs.h"

#include <algorithm>

#include "base/Utf.h"

namespace qv::tool {

std::optional<std::u16string> TFileArgs::Option(std::string_view name) const {
  const auto found = Options.find(name);
  if (found == Options.end()) return std::nullopt;
  return found->second;
}

std::optional<TFileArgs> ParseFileArgs(std::span<const std::string> args,
                                       std::span<const std::string_view> options) {
  TFileArgs parsed;
  bool haveFile = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool known = std::find(options.begin(), options.end(), args[i]) != options.end();
    if (known && i + 1 < args.size()) {
      parsed.Options[args[i]] = FromUtf8(args[i + 1]);
      ++i;
    } else if (!haveFile && !args[i].starts_with("--")) {
      parsed.File = FromUtf8(args[i]);
      haveFile = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveFile) return std::nullopt;
  return parsed;
}

}  // namespace qv::tool
