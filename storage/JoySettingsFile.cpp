#include "storage/JoySettingsFile.h"

#include <algorithm>

#include "base/ProgramFolder.h"
#include "base/Utf.h"
#include "engine/Profile.h"
#include "formats/SafeSave.h"
#include "storage/EnumNames.h"
#include "storage/LazySection.h"

namespace qv {
namespace {

// Nothing but characters of code 32 or less: a name not worth writing.
bool BlankName(const std::u16string& name) {
  return std::all_of(name.begin(), name.end(), [](char16_t c) { return c <= 32; });
}

void ReadRestValues(const TMultilevel& positions, TAxisSettings& settings) {
  for (const auto& entry : positions.Sections) {
    if (entry->Name != "POSITION") continue;
    // The model holds 32 rest values; the lever cannot have more notches.
    if (settings.Count == MaxPositions) break;
    settings.Value[static_cast<size_t>(settings.Count++)] = entry->ReadIntegerReq("Value");
  }
}

void ReadAxisSettings(const TMultilevel& entry) {
  const int32_t index = entry.ReadIntegerReq("Index");
  // The table has one entry per possible axis instance, 0..15.
  if (index < 0 || index >= MaxAxes) return;
  TAxisSettings& settings = JoySettings.Axes[static_cast<size_t>(index)];
  settings.Name = entry.ReadString("Name", u"");
  settings.Type = static_cast<uint8_t>(ReadListedReq(entry, "Type", AxisTypeNames, atUnused));
  if (settings.Type == atMultipos) {
    settings.Reverse = entry.ReadBool("Reverse", false);
    settings.HangPos = static_cast<uint8_t>(ReadListed(entry, "HangPos", HangPosNames, hpNone));
    settings.Count = 0;
    if (const TMultilevel* positions = entry.FindSection("POSITIONS")) ReadRestValues(*positions, settings);
  } else if (settings.Type == atAnalog) {
    settings.Neutral = entry.ReadIntegerReq("Neutral");
    settings.Threshold = entry.ReadIntegerReq("Threshold");
  }
}

void WriteAxisSettings(TMultilevel& entry, const TAxisSettings& settings) {
  if (!BlankName(settings.Name)) entry.AddVariable("Name", settings.Name);
  entry.AddVariable("Type", FromUtf8(AxisTypeNames.at(settings.Type)));
  if (settings.Type == atMultipos) {
    if (settings.Reverse) entry.AddVariable("Reverse", u"1");
    if (settings.HangPos != hpNone) entry.AddVariable("HangPos", FromUtf8(HangPosNames.at(settings.HangPos)));
    TMultilevel* positions = entry.AddSection("POSITIONS");
    for (int32_t i = 0; i < settings.Count && i < MaxPositions; ++i) {
      positions->AddSection("POSITION")->AddIntVariable("Value", settings.Value[static_cast<size_t>(i)]);
    }
  } else {
    entry.AddIntVariable("Neutral", settings.Neutral);
    entry.AddIntVariable("Threshold", settings.Threshold);
  }
}

}  // namespace

const std::u16string& JoySettingsFileName() {
  static const std::u16string name = ProgramFolder() + u"default.qvjoy";
  return name;
}

void ReadJoySettingsDocument(const TMultilevel& root) {
  JoySettings.Noise = root.ReadInteger("Noise", 10);
  const TMultilevel* axes = root.FindSection("AXES");
  if (!axes) return;
  for (const auto& entry : axes->Sections) {
    if (entry->Name == "AXIS") ReadAxisSettings(*entry);
  }
}

void BuildJoySettingsDocument(TMultilevel& root) {
  root.AddVariable("Format", u"QvJoy");
  root.AddIntVariable("Noise", JoySettings.Noise);
  LazySection axes(root, "AXES");
  for (int index = 0; index < MaxAxes; ++index) {
    const TAxisSettings& settings = JoySettings.Axes[static_cast<size_t>(index)];
    if (settings.Type == atUnused) continue;
    TMultilevel* entry = axes->AddSection("AXIS");
    entry->AddIntVariable("Index", index);
    WriteAxisSettings(*entry, settings);
  }
}

std::u16string LoadJoySettings(const std::u16string& fileName) {
  TMultilevel document;
  try {
    document.LoadFromFile(fileName);
  } catch (const Error&) {
    return {};
  }
  try {
    ReadJoySettingsDocument(document);
  } catch (const Error& error) {
    return error.message();
  }
  return {};
}

void SaveJoySettings(const std::u16string& fileName) {
  TMultilevel document;
  BuildJoySettingsDocument(document);
  SaveDocumentSafely(document, fileName);
}

}  // namespace qv
