#include "sim/StandInLever.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/Error.h"
#include "engine/KeyAction.h"
#include "engine/KeyOutput.h"

namespace qv::sim {
namespace {

constexpr int32_t MaxNotches = 100;
constexpr int32_t MaxMs = 10000;
constexpr char16_t Syntax[] = u"NAME:UP:DOWN:NOTCHES:HOLD_MS[:START][:GATE=MS@NOTCH...]";

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return Lower(x) == Lower(y); });
}

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

std::u16string Number(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

class TOptionParser {
 public:
  explicit TOptionParser(std::u16string_view text) : text_(text) {}

  [[noreturn]] void Fail(const std::u16string& what) const {
    throw Error(u"--lever " + Quoted(text_) + u": " + what);
  }

  std::vector<std::u16string_view> Parts() const {
    std::vector<std::u16string_view> parts;
    size_t begin = 0;
    for (;;) {
      const size_t end = text_.find(u':', begin);
      parts.push_back(text_.substr(begin, end == std::u16string_view::npos ? end : end - begin));
      if (end == std::u16string_view::npos) return parts;
      begin = end + 1;
    }
  }

  int32_t WholeNumber(const char16_t* part, std::u16string_view text, int32_t min, int32_t max) const {
    int64_t value = 0;
    const bool digits =
        !text.empty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (digits)
      for (char16_t c : text) value = value * 10 + (c - u'0');
    if (!digits || value < min || value > max)
      Fail(std::u16string(part) + u" " + Quoted(text) + u" is not a whole number from " + Number(min) +
           u" to " + Number(max));
    return static_cast<int32_t>(value);
  }

  TLeverKey Key(const char16_t* part, std::u16string_view text) const {
    TLeverKey key;
    // Modifiers lead ("Shift+Ctrl+H"); what is left is the key, which may
    // itself hold a "+" ("Num +").
    for (bool stripped = true; stripped;) {
      stripped = false;
      for (int bit = 0; bit < ModifierCount; ++bit) {
        const std::u16string prefix = std::u16string(ModifierName(bit)) + u"+";
        if (text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix)) {
          key.Modifiers |= uint16_t(1u << bit);
          text.remove_prefix(prefix.size());
          stripped = true;
        }
      }
    }
    if (text.empty()) Fail(std::u16string(part) + u" names no key");
    key.Name = text;
    return key;
  }

  TLeverGate Gate(std::u16string_view text, int32_t notches) const {
    const size_t at = text.find(u'@');
    if (text.substr(0, 5) != u"GATE=" || at == std::u16string_view::npos)
      Fail(u"GATE " + Quoted(text) + u" is not GATE=MS@NOTCH");
    return {WholeNumber(u"GATE notch", text.substr(at + 1), 0, notches - 2),
            WholeNumber(u"GATE MS", text.substr(5, at - 5), 1, MaxMs)};
  }

 private:
  std::u16string_view text_;
};

}  // namespace

TLeverSetup ParseLeverOption(std::u16string_view text) {
  const TOptionParser parser(text);
  const std::vector<std::u16string_view> parts = parser.Parts();
  if (parts.size() < 5) parser.Fail(u"expected " + std::u16string(Syntax));
  TLeverSetup setup;
  if (parts[0].empty()) parser.Fail(u"NAME is empty");
  setup.Name = parts[0];
  setup.Up = parser.Key(u"UP", parts[1]);
  setup.Down = parser.Key(u"DOWN", parts[2]);
  if (setup.Up.Modifiers == setup.Down.Modifiers && SameName(setup.Up.Name, setup.Down.Name))
    parser.Fail(u"UP and DOWN are the same key");
  setup.Notches = parser.WholeNumber(u"NOTCHES", parts[3], 2, MaxNotches);
  setup.HoldMs = parser.WholeNumber(u"HOLD_MS", parts[4], 1, MaxMs);
  size_t next = 5;
  if (next < parts.size() && parts[next].find(u'=') == std::u16string_view::npos)
    setup.Start = parser.WholeNumber(u"START", parts[next++], 0, setup.Notches - 1);
  for (; next < parts.size(); ++next) {
    const TLeverGate gate = parser.Gate(parts[next], setup.Notches);
    if (std::any_of(setup.Gates.begin(), setup.Gates.end(),
                    [&](const TLeverGate& g) { return g.Notch == gate.Notch; }))
      parser.Fail(u"two gates at notch " + Number(gate.Notch));
    setup.Gates.push_back(gate);
  }
  return setup;
}

void TModifierState::Update(const TKeyMessage& key) {
  for (int bit = 0; bit < ModifierCount; ++bit) {
    const TKeyInput own = ModifierKeyRecord(bit, false);
    if (own.Scan != key.Scan || ((own.Flags & KeyFlagExtended) != 0) != key.Extended) continue;
    const auto mask = uint16_t(1u << bit);
    down_ = key.Down ? uint16_t(down_ | mask) : uint16_t(down_ & ~mask);
  }
}

TStandInLever::TStandInLever(TLeverSetup setup) : setup_(std::move(setup)), notch_(setup_.Start) {}

int32_t TStandInLever::Travel(int32_t direction, uint32_t holdMs) const {
  int32_t notch = notch_;
  uint64_t left = holdMs;
  for (;;) {
    const int32_t next = notch + direction;
    if (next < 0 || next >= setup_.Notches) return notch;
    const int32_t boundary = std::min(notch, next);
    uint64_t needed = uint64_t(setup_.HoldMs);
    for (const TLeverGate& gate : setup_.Gates)
      if (gate.Notch == boundary) needed += uint64_t(gate.Ms);
    if (left < needed) return notch;
    left -= needed;
    notch = next;
  }
}

std::optional<TLeverMove> TStandInLever::OnKey(const TKeyMessage& key, uint16_t modifiersDown) {
  const std::array<std::pair<const TLeverKey*, TPress*>, 2> keys{
      {{&setup_.Up, &up_}, {&setup_.Down, &down_}}};
  for (size_t i = 0; i < keys.size(); ++i) {
    const auto [own, press] = keys[i];
    if (!SameName(own->Name, key.Name)) continue;
    if (key.Down) {
      if (!press->Active && modifiersDown == own->Modifiers) *press = {true, key.Time};
      continue;
    }
    if (!press->Active) continue;
    press->Active = false;
    const int32_t from = notch_;
    notch_ = Travel(i == 0 ? 1 : -1, key.Time - press->Since);
    if (notch_ != from) return TLeverMove{key.Time, from, notch_};
  }
  return std::nullopt;
}

}  // namespace qv::sim
