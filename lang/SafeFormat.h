#pragma once
// Several texts of the language file are format strings, and the language
// file is data any user may edit. This formatter understands only what those
// texts need (%s, %d, %% with Delphi-style "-", width and ".precision") and
// never trusts the format: a specifier it cannot fill from the arguments is
// copied into the output as written, so a broken translation shows itself
// instead of crashing or reading a value that is not there.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace qv::lang {

using FormatArg = std::variant<std::u16string, std::int64_t>;

std::u16string SafeFormat(std::u16string_view format, std::span<const FormatArg> args);
std::u16string SafeFormat(std::u16string_view format, std::initializer_list<FormatArg> args);

// Why a format does not take the arguments of a signature ("sd": a text, then
// an integer); empty when every specifier is well formed and meets an argument
// of its kind. Using fewer arguments than passed is allowed, as a translation
// may leave a value out.
std::string CheckFormat(std::u16string_view format, std::string_view signature);

}  // namespace qv::lang
