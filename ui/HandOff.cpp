#include "ui/HandOff.h"

#include <algorithm>
#include <cstring>

namespace qv::ui {

std::u16string InstanceTitle(std::u16string_view programPath) {
  std::u16string title(programPath);
  title += InstanceTitleSuffix;
  return title;
}

std::optional<std::u16string> HandedOffPath(const void* data, size_t bytes) {
  if (data == nullptr) return std::nullopt;
  const size_t units = std::min(bytes / sizeof(char16_t), HandOffUnits);
  // The sender's buffer need not be aligned for char16_t: copy unit by unit.
  const auto* raw = static_cast<const unsigned char*>(data);
  std::u16string path;
  for (size_t i = 0; i < units; ++i) {
    char16_t unit;
    std::memcpy(&unit, raw + i * sizeof unit, sizeof unit);
    if (unit == u'\0') return path;
    path += unit;
  }
  return std::nullopt;
}

uintptr_t AnswerMainWindowQuery(TTrapHost& host) { return host.BringUp() ? host.ActiveWindow() : 0; }

void ReceiveHandOff(TTrapHost& host, const void* data, size_t bytes) {
  const auto path = HandedOffPath(data, bytes);
  if (!path || path->empty()) return;
  if (!host.BringUp() || !host.FileExists(*path) || !host.AskToSave()) return;
  host.LoadProfile(*path);
}

}  // namespace qv::ui
