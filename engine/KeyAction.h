#pragma once
// One key (or system command) and the three actions attached to a state.
#include <array>
#include <cstdint>

namespace qv {

// Modifier bits, in the order the profile files and the key tables use.
enum TModifier : uint16_t {
  modShift = 1 << 0,
  modCtrl = 1 << 1,
  modAlt = 1 << 2,
  modWin = 1 << 3,
  modMenu = 1 << 4,
  modRShift = 1 << 5,
  modRCtrl = 1 << 6,
  modRAlt = 1 << 7,
  modRWin = 1 << 8,
};
constexpr int ModifierCount = 9;

struct TKeyAction {
  int32_t SysCmd = 0;  // 1..19: a system command; the key fields are then ignored
  uint16_t Modifiers = 0;
  int32_t ScanCode = 0;
  int32_t Vkey = 0;
  bool Extended = false;
  int32_t Repeat = 1;

  bool Empty() const { return SysCmd == 0 && ScanCode == 0 && Vkey == 0; }
  void Clear() { *this = TKeyAction{}; }
};

struct TKeyEvents {
  TKeyAction Press;
  TKeyAction Hold;
  TKeyAction Release;

  bool Empty() const { return Press.Empty() && Hold.Empty() && Release.Empty(); }
  void Clear() { *this = TKeyEvents{}; }
};

}  // namespace qv
