#include "tools/ReplayLines.h"

#include <cstdio>

#include "base/Utf.h"
#include "engine/SysCmdInfo.h"
#include "sim/KeyLog.h"
#include "sim/UsLayout.h"

namespace qv::tool {
namespace {

// The name the platform gives the scan code, or the virtual key's own name
// for a key that has no scan code there.
std::string KeyName(const TKeyInput& input) {
  sim::UsLayout layout;
  const bool extended = (input.Flags & KeyFlagExtended) != 0;
  const std::u16string name = layout.KeyName(int32_t{input.Scan} << 16 | (extended ? 1 << 24 : 0));
  return ToUtf8(name.empty() ? VkeyName(input.Vk) : name);
}

std::string KeyLine(uint32_t time, const TReplayKey& key) {
  const TKeyInput& input = key.Input;
  const sim::TKeyLogEntry entry{time, (input.Flags & KeyFlagUp) == 0, input.Vk, input.Scan,
                                (input.Flags & KeyFlagExtended) != 0};
  return sim::FormatKeyLogLine(entry) + " batch=" + std::to_string(key.Batch) + ' ' + KeyName(input);
}

std::string CommandLine(uint32_t time, const TReplayCommand& command) {
  char head[16];
  std::snprintf(head, sizeof head, "%10u", time);
  std::string line = std::string(head) + " cmd " + ToUtf8(SysCmdName(command.Command)) +
                     (command.Up ? " up " : " down ") + std::to_string(command.Count);
  if (!command.Effect.empty()) line += ": " + command.Effect;
  return line;
}

}  // namespace

std::string ReplayLine(const TReplayEvent& event) {
  return event.IsKey ? KeyLine(event.Time, event.Key) : CommandLine(event.Time, event.Command);
}

}  // namespace qv::tool
