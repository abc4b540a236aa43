#include "storage/EnumNames.h"

#include "formats/AnsiCodePage.h"
#include "formats/ReadWatch.h"

namespace qv {
namespace {

int32_t Listed(int32_t index, std::span<const std::string_view> names, int32_t def) {
  return index >= 0 && static_cast<size_t>(index) < names.size() ? index : def;
}

int Highest(std::span<const std::string_view> names) { return static_cast<int>(names.size()) - 1; }

}  // namespace

int32_t ReadListed(const TMultilevel& section, std::string_view name, std::span<const std::string_view> names,
                   int32_t def) {
  const int32_t index = section.ReadEnum(name, names, Highest(names), def);
  const int32_t listed = Listed(index, names, def);
  // A number that names no listed value.
  if (listed != index && def >= 0 && static_cast<size_t>(def) < names.size())
    ReportUnreadable(section.FindVariable(name), AnsiToWide(names[static_cast<size_t>(def)]));
  return listed;
}

int32_t ReadListedReq(const TMultilevel& section, std::string_view name,
                      std::span<const std::string_view> names, int32_t def) {
  return Listed(section.ReadEnumReq(name, names, Highest(names)), names, def);
}

}  // namespace qv
