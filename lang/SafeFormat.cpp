#include "lang/SafeFormat.h"

#include <optional>

namespace qv::lang {

namespace {

// Width and precision beyond this are not a layout anyone wants; treating
// them as malformed keeps a hostile "%999999999d" from allocating gigabytes.
constexpr int kMaxDigits = 3;

struct Spec {
  std::size_t length = 0;  // characters from '%' to the type letter, inclusive
  bool left = false;
  int width = 0;
  std::optional<int> precision;
  char16_t type = 0;
};

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads up to kMaxDigits digits at pos; nullopt when there are more.
std::optional<int> ReadNumber(std::u16string_view text, std::size_t& pos) {
  int value = 0;
  int digits = 0;
  while (pos < text.size() && IsDigit(text[pos])) {
    if (++digits > kMaxDigits) return std::nullopt;
    value = value * 10 + (text[pos] - u'0');
    ++pos;
  }
  return value;
}

// Parses the specifier that starts at text[start] == '%'. nullopt when it is
// malformed or of a type this formatter does not know.
std::optional<Spec> ParseSpec(std::u16string_view text, std::size_t start) {
  Spec spec;
  std::size_t pos = start + 1;
  if (pos < text.size() && text[pos] == u'-') {
    spec.left = true;
    ++pos;
  }
  auto width = ReadNumber(text, pos);
  if (!width) return std::nullopt;
  spec.width = *width;
  if (pos < text.size() && text[pos] == u'.') {
    ++pos;
    spec.precision = ReadNumber(text, pos);
    if (!spec.precision) return std::nullopt;
  }
  if (pos >= text.size()) return std::nullopt;
  const char16_t type = text[pos] == u'S' || text[pos] == u'D' ? char16_t(text[pos] + 32) : text[pos];
  if (type != u's' && type != u'd' && type != u'%') return std::nullopt;
  // "%%" takes no argument and no modifiers.
  if (type == u'%' && pos != start + 1) return std::nullopt;
  spec.type = type;
  spec.length = pos - start + 1;
  return spec;
}

std::u16string Digits(std::int64_t value, const Spec& spec) {
  // Built from the unsigned magnitude so the most negative value is exact.
  std::uint64_t magnitude =
      value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  std::u16string digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (spec.precision && digits.size() < static_cast<std::size_t>(*spec.precision)) {
    digits.insert(0, static_cast<std::size_t>(*spec.precision) - digits.size(), u'0');
  }
  if (value < 0) digits.insert(digits.begin(), u'-');
  return digits;
}

std::u16string Render(const Spec& spec, const FormatArg& arg) {
  std::u16string text;
  if (spec.type == u's') {
    text = std::get<std::u16string>(arg);
    if (spec.precision && text.size() > static_cast<std::size_t>(*spec.precision)) {
      text.resize(static_cast<std::size_t>(*spec.precision));
    }
  } else {
    text = Digits(std::get<std::int64_t>(arg), spec);
  }
  if (text.size() < static_cast<std::size_t>(spec.width)) {
    const std::size_t pad = static_cast<std::size_t>(spec.width) - text.size();
    text.insert(spec.left ? text.size() : 0, pad, u' ');
  }
  return text;
}

bool Fits(const Spec& spec, const FormatArg& arg) {
  return spec.type == u's' ? std::holds_alternative<std::u16string>(arg)
                           : std::holds_alternative<std::int64_t>(arg);
}

}  // namespace

std::u16string SafeFormat(std::u16string_view format, std::span<const FormatArg> args) {
  std::u16string out;
  std::size_t next = 0;
  std::size_t pos = 0;
  while (pos < format.size()) {
    if (format[pos] != u'%') {
      out += format[pos++];
      continue;
    }
    const auto spec = ParseSpec(format, pos);
    if (!spec) {
      out += format[pos++];  // a lone or malformed '%' stays as it is
      continue;
    }
    const auto written = format.substr(pos, spec->length);
    pos += spec->length;
    if (spec->type == u'%') {
      out += u'%';
    } else if (next < args.size() && Fits(*spec, args[next])) {
      out += Render(*spec, args[next++]);
    } else {
      // The argument is consumed even when it does not fit, so one bad
      // specifier does not shift every later argument.
      if (next < args.size()) ++next;
      out += written;
    }
  }
  return out;
}

std::u16string SafeFormat(std::u16string_view format, std::initializer_list<FormatArg> args) {
  return SafeFormat(format, std::span<const FormatArg>(args.begin(), args.size()));
}

std::string CheckFormat(std::u16string_view format, std::string_view signature) {
  std::size_t next = 0;
  for (std::size_t pos = 0; pos < format.size(); ++pos) {
    if (format[pos] != u'%') continue;
    const auto spec = ParseSpec(format, pos);
    if (!spec) return "malformed specifier at character " + std::to_string(pos + 1);
    pos += spec->length - 1;
    if (spec->type == u'%') continue;
    const char wanted = spec->type == u's' ? 's' : 'd';
    if (next >= signature.size()) {
      return "specifier " + std::to_string(next + 1) + " has no argument (the program passes " +
             std::to_string(signature.size()) + ")";
    }
    if (signature[next] != wanted) {
      return std::string("specifier ") + std::to_string(next + 1) + " wants " +
             (wanted == 's' ? "a text" : "an integer") + " but the program passes " +
             (signature[next] == 's' ? "a text" : "an integer");
    }
    ++next;
  }
  return {};
}

}  // namespace qv::lang
