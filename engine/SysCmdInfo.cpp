#include "engine/SysCmdInfo.h"

#include <string>

namespace qv {

const std::array<TSysCmdInfo, SysCmdCount> SysCmdInfo{{
    {u"", 0, skDownOnly},
    {u"DemandPark00", 0, skDownOnly},
    {u"DemandPark01", 0, skDownOnly},
    {u"DemandPark02", 0, skDownOnly},
    {u"DemandPark03", 0, skDownOnly},
    {u"DemandPark04", 0, skDownOnly},
    {u"DemandPark05", 0, skDownOnly},
    {u"DemandPark06", 0, skDownOnly},
    {u"DemandPark07", 0, skDownOnly},
    {u"DemandParkAll", 0, skDownOnly},
    {u"DemandParkAxes", 0, skDownOnly},
    {u"DemandParkButtons", 0, skDownOnly},
    {u"RecOff", 0, skUndo},
    {u"RecOn", 0, skUndo},
    {u"RecToggle", 0, skBoth},
    {u"SoundOff", 0, skUndo},
    {u"SoundOn", 0, skUndo},
    {u"SoundToggle", 0, skBoth},
    {u"SoundVolDown", 0, skDownOnly},
    {u"SoundVolUp", 0, skDownOnly},
    {u"VK_LButton", 0x01, skDownOnly},
    {u"VK_RButton", 0x02, skDownOnly},
    {u"VK_MButton", 0x04, skDownOnly},
    {u"VK_XButton1", 0x05, skDownOnly},
    {u"VK_XButton2", 0x06, skDownOnly},
    {u"VK_Browser_Back", 0xA6, skDownOnly},
    {u"VK_Browser_Favorites", 0xAB, skDownOnly},
    {u"VK_Browser_Forward", 0xA7, skDownOnly},
    {u"VK_Browser_Home", 0xAC, skDownOnly},
    {u"VK_Browser_Refresh", 0xA8, skDownOnly},
    {u"VK_Browser_Search", 0xAA, skDownOnly},
    {u"VK_Browser_Stop", 0xA9, skDownOnly},
    {u"VK_F13", 0x7C, skDownOnly},
    {u"VK_F14", 0x7D, skDownOnly},
    {u"VK_F15", 0x7E, skDownOnly},
    {u"VK_F16", 0x7F, skDownOnly},
    {u"VK_F17", 0x80, skDownOnly},
    {u"VK_F18", 0x81, skDownOnly},
    {u"VK_F19", 0x82, skDownOnly},
    {u"VK_F20", 0x83, skDownOnly},
    {u"VK_F21", 0x84, skDownOnly},
    {u"VK_F22", 0x85, skDownOnly},
    {u"VK_F23", 0x86, skDownOnly},
    {u"VK_F24", 0x87, skDownOnly},
    {u"VK_Launch_App1", 0xB6, skDownOnly},
    {u"VK_Launch_App2", 0xB7, skDownOnly},
    {u"VK_Launch_Mail", 0xB4, skDownOnly},
    {u"VK_Launch_Media_Select", 0xB5, skDownOnly},
    {u"VK_Media_Next_Track", 0xB0, skDownOnly},
    {u"VK_Media_Play_Pause", 0xB3, skDownOnly},
    {u"VK_Media_Prev_Track", 0xB1, skDownOnly},
    {u"VK_Media_Stop", 0xB2, skDownOnly},
}};

namespace {

// Row naming each virtual key, 0 where none does. Built once, on first use,
// so that no other static's initialisation can find it empty.
const std::array<uint8_t, 256>& VkeyIndex() {
  static const std::array<uint8_t, 256> index = [] {
    std::array<uint8_t, 256> built{};
    for (int n = SysCmdCount - 1; n >= 1; --n) {
      const int32_t code = SysCmdInfo[static_cast<size_t>(n)].Vkey;
      if (code > 0 && code < 256) built[static_cast<size_t>(code)] = static_cast<uint8_t>(n);
    }
    return built;
  }();
  return index;
}

}  // namespace

int32_t FindSysCmd(std::u16string_view name) {
  for (int32_t n = 1; n < SysCmdCount; ++n) {
    const TSysCmdInfo& row = SysCmdInfo[static_cast<size_t>(n)];
    if (row.Vkey == 0 && name == row.Name) return n;
  }
  return scNone;
}

std::u16string SysCmdName(int32_t command) {
  if (command < 1 || command >= SysCmdCount) return {};
  return SysCmdInfo[static_cast<size_t>(command)].Name;
}

std::u16string VkeyName(int32_t code) {
  if (code == 0) return {};
  const uint8_t row = code > 0 && code < 256 ? VkeyIndex()[static_cast<size_t>(code)] : 0;
  if (row != 0) return SysCmdInfo[row].Name;
  const std::string digits = std::to_string(code);
  return u"VK=" + std::u16string(digits.begin(), digits.end());
}

}  // namespace qv
