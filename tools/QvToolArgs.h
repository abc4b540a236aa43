#pragma once
// The arguments of a command that works on one file with named options,
// "FILE [--option VALUE]...", in any order; a repeated option's last value counts.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qv::tool {

struct TFileArgs {
  std::u16string File;
  std::map<std::string, std::u16string, std::less<>> Options;

  std::optional<std::u16string> Option(std::string_view name) const;
};

// nullopt for wrong usage: no file or two, an option not in options, an option without its value.
std::optional<TFileArgs> ParseFileArgs(std::span<const std::string> args,
                                       std::span<const std::string_view> options);

}  // namespace qv::tool
