#include "engine/KeyOutput.h"

#include <algorithm>
#include <array>

#include "engine/Hooks.h"
#include "engine/KeySchedule.h"
#include "engine/Profile.h"

namespace qv {
namespace {

struct TModifierKey {
  const char16_t* Name;
  uint16_t Vk;
  uint16_t Scan;
  bool Extended;
};

constexpr std::array<TModifierKey, ModifierCount> modifierKeys{{
    {u"Shift", 0xA0, 0x2A, false},
    {u"Ctrl", 0xA2, 0x1D, false},
    {u"Alt", 0xA4, 0x38, false},
    {u"Win", 0x5B, 0x5B, true},
    {u"Menu", 0x5D, 0x5D, true},
    {u"RShift", 0xA1, 0x36, false},
    {u"RCtrl", 0xA3, 0x1D, true},
    {u"RAlt", 0xA5, 0x38, true},
    {u"RWin", 0x5C, 0x5C, true},
}};

TKeyInput ModifierRecord(int bit, bool up) {
  const TModifierKey& m = modifierKeys[static_cast<size_t>(bit)];
  return {m.Vk, m.Scan, (m.Extended ? KeyFlagExtended : 0u) | (up ? KeyFlagUp : 0u)};
}

void SendOne(const TKeyInput& record) { Seams().Keyboard->Send(std::span<const TKeyInput>(&record, 1)); }

// The pauses come from a profile, which anyone may edit: within the
// compatibility dialog's range, so that "TapPause=100000" cannot hold a
// control's records back for minutes. The stored value stays as read, so
// the profile saves back unchanged.
constexpr int32_t MaxPauseMs = 1000;

void Dispatch(bool up, int32_t command, int32_t count) {
  CallHook(EngineHooks.SysCommand, up, command, count);
}

struct TRepeatSlot {
  TKeyAction Key;
  uint32_t Due = 0;
};
TRepeatSlot repeatSlot;

}  // namespace

TKeyInput KeyRecord(const TKeyAction& action, bool up) {
  const auto vk = static_cast<uint16_t>(action.Vkey);
  const uint16_t scan = action.ScanCode != 0 ? static_cast<uint16_t>(action.ScanCode)
                                             : Seams().Layout->ScanCodeOf(static_cast<uint32_t>(action.Vkey));
  return {vk, scan, (action.Extended ? KeyFlagExtended : 0u) | (up ? KeyFlagUp : 0u)};
}

void KeyEvent(const TKeyAction& action, bool up) {
  if (action.SysCmd != 0) {
    Dispatch(up, action.SysCmd, 1);
    return;
  }
  if (action.ScanCode == 0 && action.Vkey == 0) return;
  SendOne(KeyRecord(action, up));
}

void PressModifiers(uint16_t set) {
  for (int bit = 0; bit < ModifierCount; ++bit) {
    if (set & (1u << bit)) SendOne(ModifierRecord(bit, false));
  }
}

void ReleaseModifiers(uint16_t set) {
  for (int bit = ModifierCount - 1; bit >= 0; --bit) {
    if (set & (1u << bit)) SendOne(ModifierRecord(bit, true));
  }
}

int64_t TapTimes(const TKeyAction& action, int64_t count) {
  // Both factors come from a file: cap each before multiplying, so nothing overflows.
  const int64_t repeat = std::clamp<int64_t>(action.Repeat, 1, MaxTapCount);
  return std::min(std::clamp<int64_t>(count, 0, MaxTapCount) * repeat, MaxTapCount);
}

uint32_t PauseMs(int32_t ms) { return static_cast<uint32_t>(std::clamp(ms, 0, MaxPauseMs)); }

std::vector<TScheduled> TimedTaps(const TKeyAction& action, int64_t times, TTapTiming timing) {
  std::vector<TScheduled> records;
  const uint16_t modifiers = action.Modifiers & ((1u << ModifierCount) - 1);
  if (modifiers != 0) records.push_back({0, [modifiers] { PressModifiers(modifiers); }, true});
  const TKeyInput down = KeyRecord(action, false);
  const TKeyInput up = KeyRecord(action, true);
  for (int64_t i = 0; i < times; ++i) {
    if (timing.BeforeDown == 0 && timing.Hold == 0) {
      records.push_back({0,
                         [down, up] {
                           Seams().Keyboard->Send(std::array<TKeyInput, 2>{down, up});
                         },
                         false, false, false, false, true});
    } else {
      records.push_back({timing.BeforeDown, [down] { SendOne(down); }, false, false, false, false, true});
      records.push_back({timing.Hold, [up] { SendOne(up); }, false, false, true});
    }
  }
  if (modifiers != 0)
    records.push_back(
        {timing.BeforeModifiersUp, [modifiers] { ReleaseModifiers(modifiers); }, false, true, true});
  return records;
}

void Tap(const TKeyAction& action, int64_t count) {
  if (action.SysCmd != 0) {
    // Once, whatever the count; a Repeat below 1 counts as 1, so a command
    // never runs backwards.
    const int32_t times = std::max<int32_t>(1, action.Repeat);
    Schedule({{0, [command = action.SysCmd, times] { Dispatch(false, command, times); }}});
    return;
  }
  if (action.ScanCode == 0 && action.Vkey == 0) return;
  const int64_t times = TapTimes(action, count);
  if (CompatibilityInUse()) {
    Schedule(TimedTaps(action, times, CompatibilityTiming()));
    return;
  }
  Schedule({{0, TapBatch(action, times)}});
}

std::function<void()> TapBatch(const TKeyAction& action, int64_t times) {
  return [action, times] {
    PressModifiers(action.Modifiers);
    const std::array<TKeyInput, 2> pair{KeyRecord(action, false), KeyRecord(action, true)};
    for (int64_t i = 0; i < times; ++i) Seams().Keyboard->Send(pair);
    ReleaseModifiers(action.Modifiers);
  };
}

TTapTiming CompatibilityTiming() { return {PauseMs(TapPause), PauseMs(TapPause), PauseMs(ShiftPause)}; }

void EnterHold(const TKeyAction& hold) {
  Schedule({{0, [hold] {
               PressModifiers(hold.Modifiers);
               KeyEvent(hold, false);
               RegisterAutoRepeat(hold);
             }}});
}

void LeaveHold(const TKeyAction& hold) {
  const auto up = [hold] {
    if (IsRepeatable(hold)) StopAutoRepeat();
    KeyEvent(hold, true);
  };
  const uint16_t modifiers = hold.Modifiers & ((1u << ModifierCount) - 1);
  const auto modifiersUp = [modifiers] { ReleaseModifiers(modifiers); };
  const uint32_t pause = PauseMs(ShiftPause);
  if (modifiers != 0 && pause > 0) {
    Schedule({{0, up, false, false, true, true}, {pause, modifiersUp, false, false, true, true}});
  } else {
    Schedule({{0,
               [up, modifiersUp] {
                 up();
                 modifiersUp();
               },
               false, false, true, true}});
  }
}

bool IsRepeatable(const TKeyAction& action) {
  // A system command is never typed, so its key fields must not repeat either.
  if (action.SysCmd != 0) return false;
  switch (action.Vkey) {
    case 0:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 42:
    case 91:
    case 92:
    case 93:
    case 144:
    case 145:
    case 161:
      return false;
    default:
      return true;
  }
}

void RegisterAutoRepeat(const TKeyAction& action) {
  if (!IsRepeatable(action) || action.Vkey == repeatSlot.Key.Vkey) return;
  repeatSlot.Key = action;
  repeatSlot.Key.SysCmd = 0;
  repeatSlot.Key.Modifiers = 0;
  repeatSlot.Due = Seams().Time->Now() + 500;
}

void StopAutoRepeat() { repeatSlot.Key.Clear(); }

void AutoRepeatTick() {
  // Nothing may reach the simulator inside another tap's modifiers.
  if (repeatSlot.Key.Vkey == 0 || TapModifiersDown()) return;
  const uint32_t now = Seams().Time->Now();
  const auto late = static_cast<int32_t>(now - repeatSlot.Due);
  if (late < 0) return;
  KeyEvent(repeatSlot.Key, false);
  // A late thread repeats once and starts over, never catching up a backlog.
  repeatSlot.Due = late >= 100 ? now + 100 : repeatSlot.Due + 100;
}

int32_t AutoRepeatDueIn(uint32_t now) {
  if (repeatSlot.Key.Vkey == 0 || TapModifiersDown()) return -1;
  return std::max(0, static_cast<int32_t>(repeatSlot.Due - now));
}

const TKeyAction& AutoRepeatKey() { return repeatSlot.Key; }

const char16_t* ModifierName(int bit) { return modifierKeys[static_cast<size_t>(bit)].Name; }

TKeyInput ModifierKeyRecord(int bit, bool up) { return ModifierRecord(bit, up); }

std::u16string ActionText(const TKeyAction& action) {
  if (action.Empty()) return {};
  if (action.SysCmd != 0)
    return EngineHooks.SysCmdName ? EngineHooks.SysCmdName(action.SysCmd) : std::u16string();
  std::u16string text;
  for (int bit = 0; bit < ModifierCount; ++bit) {
    if (action.Modifiers & (1u << bit)) text += std::u16string(ModifierName(bit)) + u"+";
  }
  if (action.ScanCode == 0) {
    std::u16string name = EngineHooks.VkeyName ? EngineHooks.VkeyName(action.Vkey) : std::u16string();
    if (name.empty()) {
      const std::string digits = std::to_string(action.Vkey);
      name = u"VK=" + std::u16string(digits.begin(), digits.end());
    }
    return text + name;
  }
  const int32_t param = static_cast<int32_t>((static_cast<uint32_t>(action.ScanCode) & 0xFFFFu) << 16) |
                        (action.Extended ? (1 << 24) : 0);
  return text + Seams().Layout->KeyName(param);
}

}  // namespace qv
