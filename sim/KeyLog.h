#pragma once
// One line per key that the stand-in simulator received, in the order it
// received them: what a test or the run command reads back, and what a user
// reads in its window. A lever of the stand-in that moves adds a line of its
// own, which a reader of keys skips as not one of its lines.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::sim {

struct TKeyLogEntry {
  uint32_t Time = 0;  // the message's time stamp, milliseconds
  bool Down = false;
  uint16_t Vk = 0;
  uint16_t Scan = 0;
  bool Extended = false;
  bool operator==(const TKeyLogEntry&) const = default;
};

// "    1234 down vk=0x26 scan=0x48 ext=1"
std::string FormatKeyLogLine(const TKeyLogEntry& entry);
// nullopt for a line that is not one of ours.
std::optional<TKeyLogEntry> ParseKeyLogLine(std::string_view line);

struct TLeverLogEntry {
  uint32_t Time = 0;  // the time stamp of the key-up that ended the press
  std::string Lever;  // UTF-8
  int32_t From = 0;
  int32_t To = 0;
  bool operator==(const TLeverLogEntry&) const = default;
};

// "    1234 lever Throttle 2 -> 4"
std::string FormatLeverLogLine(const TLeverLogEntry& entry);
std::optional<TLeverLogEntry> ParseLeverLogLine(std::string_view line);

}  // namespace qv::sim
