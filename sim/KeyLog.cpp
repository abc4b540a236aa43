#include "sim/KeyLog.h"

#include <cstdio>

namespace qv::sim {

std::string FormatKeyLogLine(const TKeyLogEntry& entry) {
  char line[80];
  std::snprintf(line, sizeof line, "%10u %-4s vk=0x%02X scan=0x%02X ext=%d", entry.Time,
                entry.Down ? "down" : "up", entry.Vk, entry.Scan, entry.Extended ? 1 : 0);
  return line;
}

std::optional<TKeyLogEntry> ParseKeyLogLine(std::string_view line) {
  const std::string text(line);
  unsigned time = 0, vk = 0, scan = 0;
  int extended = 0, consumed = 0;
  char state[5] = {};
  if (std::sscanf(text.c_str(), "%u %4s vk=0x%x scan=0x%x ext=%d%n", &time, state, &vk, &scan, &extended,
                  &consumed) != 5 ||
      static_cast<size_t>(consumed) != text.size())
    return std::nullopt;
  const std::string_view word(state);
  if ((word != "down" && word != "up") || vk > 0xFF || scan > 0xFFFF || (extended != 0 && extended != 1))
    return std::nullopt;
  return TKeyLogEntry{time, word == "down", static_cast<uint16_t>(vk), static_cast<uint16_t>(scan),
                      extended == 1};
}

std::string FormatLeverLogLine(const TLeverLogEntry& entry) {
  char head[48];
  std::snprintf(head, sizeof head, "%10u lever ", entry.Time);
  return head + entry.Lever + " " + std::to_string(entry.From) + " -> " + std::to_string(entry.To);
}

std::optional<TLeverLogEntry> ParseLeverLogLine(std::string_view line) {
  const std::string text(line);
  unsigned time = 0;
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%u lever %n", &time, &consumed) != 1 || consumed == 0 ||
      text[size_t(consumed) - 1] != ' ')
    return std::nullopt;
  // The name may hold spaces; the two notches close the line.
  const size_t arrow = text.rfind(" -> ");
  const size_t space = arrow == std::string::npos ? arrow : text.rfind(' ', arrow - 1);
  if (space == std::string::npos || space < static_cast<size_t>(consumed)) return std::nullopt;
  int from = 0, to = 0, fromEnd = 0, toEnd = 0;
  const std::string fromText = text.substr(space + 1, arrow - space - 1), toText = text.substr(arrow + 4);
  if (std::sscanf(fromText.c_str(), "%d%n", &from, &fromEnd) != 1 || size_t(fromEnd) != fromText.size() ||
      std::sscanf(toText.c_str(), "%d%n", &to, &toEnd) != 1 || size_t(toEnd) != toText.size())
    return std::nullopt;
  return TLeverLogEntry{time, text.substr(size_t(consumed), space - size_t(consumed)), from, to};
}

}  // namespace qv::sim
