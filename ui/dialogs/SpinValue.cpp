#include "ui/dialogs/SpinValue.h"

#include <algorithm>

#include "lang/Lang.h"
#include "lang/SafeFormat.h"

namespace qv::ui::dialogs {

TSpinParse ParseSpinText(std::u16string_view text, int32_t min, int32_t max) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return {TSpinCheck::NotANumber, min};
  // Accumulated in 64 bits and stopped past the 32-bit range, so a long run
  // of digits clamps instead of wrapping.
  int64_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return {TSpinCheck::NotANumber, min};
    value = std::min<int64_t>(value * 10 + (c - u'0'), int64_t(1) << 32);
  }
  if (negative) value = -value;
  const auto clamped = int32_t(std::clamp<int64_t>(value, min, max));
  return {clamped == value ? TSpinCheck::InRange : TSpinCheck::OutOfRange, clamped};
}

int32_t SpinValueFromText(std::u16string_view text, int32_t min, int32_t max) {
  return ParseSpinText(text, min, max).Value;
}

std::optional<TSpinComplaint> SpinComplaint(std::u16string_view text, int32_t min, int32_t max) {
  const TSpinCheck check = ParseSpinText(text, min, max).Check;
  if (check == TSpinCheck::InRange) return std::nullopt;
  return TSpinComplaint{
      lang::LangTranslate("COMMON",
                          check == TSpinCheck::NotANumber ? "msgSpinNotNumber" : "msgSpinOutOfRange"),
      lang::SafeFormat(lang::LangTranslate("COMMON", "msgSpinRange"), {int64_t(min), int64_t(max)})};
}

}  // namespace qv::ui::dialogs
