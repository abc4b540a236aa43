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

}  // namespace qv::sim
