#include "storage/KeyActionFile.h"

#include <string>

#include "base/Utf.h"
#include "engine/KeyOutput.h"
#include "engine/SysCmdInfo.h"
#include "formats/ReadWatch.h"

namespace qv {
namespace {

std::string ModifierKey(int bit) { return ToUtf8(ModifierName(bit)); }

}  // namespace

void LoadKeyAction(const TMultilevel& parent, TKeyAction& action, std::string_view name, bool readRepeat) {
  const TMultilevel* section = parent.FindSection(name);
  if (!section) return;
  if (readRepeat) action.Repeat = section->ReadInteger("Repeat", 1);
  action.SysCmd = 0;
  const std::u16string command = section->ReadString("SysCmd", u"");
  if (!command.empty()) action.SysCmd = FindSysCmd(command);
  if (!command.empty() && action.SysCmd == scNone) ReportUnreadable(section->FindVariable("SysCmd"), u"none");
  // Every key is read, also those the action does not use, so that a
  // checker hears of each one.
  action.ScanCode = section->ReadInteger("ScanCode", 0);
  const bool extended = section->ReadBool("Extended", false);
  if (action.ScanCode != 0) action.Extended = extended;
  action.Vkey = section->ReadInteger("Vkey", 0);
  uint16_t modifiers = 0;
  for (int bit = 0; bit < ModifierCount; ++bit) {
    if (section->ReadBool(ModifierKey(bit), false)) modifiers |= static_cast<uint16_t>(1u << bit);
  }
  if (action.ScanCode != 0 || action.Vkey != 0) action.Modifiers |= modifiers;
}

void SaveKeyAction(TMultilevel& parent, const TKeyAction& action, std::string_view name, bool writeRepeat) {
  if (action.Empty()) return;
  TMultilevel* section = parent.AddSection(std::string(name));
  if (action.SysCmd >= 1) {
    section->AddVariable("SysCmd", SysCmdName(action.SysCmd));
  } else {
    if (action.ScanCode != 0) {
      section->AddIntVariable("ScanCode", action.ScanCode);
      if (action.Extended) section->AddVariable("Extended", u"1");
    }
    if (action.Vkey != 0) section->AddIntVariable("Vkey", action.Vkey);
    for (int bit = 0; bit < ModifierCount; ++bit) {
      if (action.Modifiers & (1u << bit)) section->AddVariable(ModifierKey(bit), u"1");
    }
  }
  if (writeRepeat && action.Repeat >= 2) section->AddIntVariable("Repeat", action.Repeat);
}

void LoadKeyEvents(const TMultilevel& parent, TKeyEvents& events) {
  LoadKeyAction(parent, events.Press, "PRESS", true);
  LoadKeyAction(parent, events.Hold, "HOLD", false);
  LoadKeyAction(parent, events.Release, "RELEASE", true);
}

void SaveKeyEvents(TMultilevel& parent, const TKeyEvents& events) {
  SaveKeyAction(parent, events.Press, "PRESS", true);
  SaveKeyAction(parent, events.Hold, "HOLD", false);
  SaveKeyAction(parent, events.Release, "RELEASE", true);
}

}  // namespace qv
