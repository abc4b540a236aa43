#pragma once
// The table of system commands and virtual-key names, and the lookups that
// the profile files, the action texts and the key dialogs use.
//
//   SysCmdInfo[n]         row n: 0 is empty, 1..19 commands, 20..51 key names
//   FindSysCmd(name)      a SysCmd value as stored in a profile -> number (0: none)
//   SysCmdName(n)         number -> the name stored and shown (empty outside 1..51)
//   VkeyName(code)        virtual key -> name; "VK=" + decimal where no row names it
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// How a command treats the up event of a held action.
enum TSysCmdKind : uint8_t {
  skDownOnly = 0,  // the up event is ignored
  skBoth = 1,      // acts on down and up alike
  skUndo = 2,      // the up event undoes the down event
};

struct TSysCmdInfo {
  const char16_t* Name;
  int32_t Vkey;  // 0 for commands
  TSysCmdKind Kind;
};

// Command numbers as stored in TKeyAction::SysCmd.
enum TSysCmd : int32_t {
  scNone = 0,
  scDemandPark00 = 1,  // .. scDemandPark00 + 7: park the axis of Index 0..7
  scDemandParkAll = 9,
  scDemandParkAxes = 10,
  scDemandParkButtons = 11,
  scRecOff = 12,
  scRecOn = 13,
  scRecToggle = 14,
  scSoundOff = 15,
  scSoundOn = 16,
  scSoundToggle = 17,
  scSoundVolDown = 18,
  scSoundVolUp = 19,
  scFirstKeyName = 20,  // rows from here on name virtual keys
};
constexpr int SysCmdCount = 52;

extern const std::array<TSysCmdInfo, SysCmdCount> SysCmdInfo;

int32_t FindSysCmd(std::u16string_view name);
std::u16string SysCmdName(int32_t command);
std::u16string VkeyName(int32_t code);

}  // namespace qv
