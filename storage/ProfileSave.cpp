#include "base/Utf.h"
#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "formats/SafeSave.h"
#include "storage/EnumNames.h"
#include "storage/FilePaths.h"
#include "storage/KeyActionFile.h"
#include "storage/LazySection.h"
#include "storage/ProfileFile.h"

namespace qv {
namespace {

void WriteCompatibility(TMultilevel& root) {
  LazySection compatibility(root, "COMPATIBILITY");
  if (ShiftPause > 0) compatibility->AddIntVariable("ShiftPause", ShiftPause);
  if (TapPause > 0) compatibility->AddIntVariable("TapPause", TapPause);
}

void WriteAxis(TMultilevel& entry, const TProfileAxis& axis) {
  if (axis.PosLimit > 0) entry.AddIntVariable("PosLimit", axis.PosLimit);
  if (axis.InitialPos >= 1 && axis.InitialPos <= axis.PosCount)
    entry.AddIntVariable("InitialPos", axis.InitialPos);
  if (axis.ResyncFirst > 0) entry.AddIntVariable("ResyncFirst", axis.ResyncFirst);
  if (axis.ResyncLast > 0) entry.AddIntVariable("ResyncLast", axis.ResyncLast);
  if (axis.StepHold > 0) entry.AddIntVariable("StepHold", axis.StepHold);
  if (axis.StepGap > 0) entry.AddIntVariable("StepGap", axis.StepGap);
  SaveKeyAction(entry, axis.Up, "UP", true);
  SaveKeyAction(entry, axis.Down, "DOWN", true);
  LazySection positions(entry, "POSITIONS");
  for (int32_t number = 1; number <= axis.PosCount; ++number) {
    if (!HasEvents(axis, number)) continue;
    TMultilevel* position = positions->AddSection("POSITION");
    position->AddIntVariable("Index", number);
    const TAxisPosition& p = axis.Positions[static_cast<size_t>(number - 1)];
    if (p.UserIndex != number) position->AddIntVariable("UserIndex", p.UserIndex);
    if (p.GateHold > 0) position->AddIntVariable("GateHold", p.GateHold);
    SaveKeyEvents(*position, p.Events);
  }
}

void WriteAxes(TMultilevel& root) {
  LazySection axes(root, "AXES");
  for (int a = 0; a < JoyAxisCount; ++a) {
    if (!AxisTrackers[static_cast<size_t>(a)].Active) continue;
    TMultilevel* entry = axes->AddSection("AXIS");
    entry->AddIntVariable("Index", JoyAxes[static_cast<size_t>(a)].Index);
    WriteAxis(*entry, ProfileAxes[static_cast<size_t>(a)]);
  }
}

void WriteHats(TMultilevel& root) {
  LazySection hats(root, "HATS");
  for (int h = 0; h < JoyHatCount; ++h) {
    const TProfileHat& hat = ProfileHats[static_cast<size_t>(h)];
    if (!hat.HasKeys) continue;
    TMultilevel* entry = hats->AddSection("HAT");
    entry->AddIntVariable("Index", JoyHats[static_cast<size_t>(h)].Index);
    TMultilevel* positions = entry->AddSection("POSITIONS");
    for (size_t d = 0; d < hat.Directions.size(); ++d) {
      if (hat.Directions[d].Empty()) continue;
      TMultilevel* position = positions->AddSection("POSITION");
      position->AddVariable("Direction", FromUtf8(HatDirectionNames[d + 1]));
      SaveKeyEvents(*position, hat.Directions[d]);
    }
  }
}

void WriteButtons(TMultilevel& root) {
  LazySection buttons(root, "BUTTONS");
  for (int b = 0; b < JoyButtonCount; ++b) {
    const TProfileButton& button = ProfileButtons[static_cast<size_t>(b)];
    if (button.Events.Empty()) continue;
    TMultilevel* entry = buttons->AddSection("BUTTON");
    entry->AddIntVariable("Index", JoyButtons[static_cast<size_t>(b)].Index);
    if (button.ParkPos != ppNone) entry->AddVariable("ParkPos", FromUtf8(ParkPosNames.at(button.ParkPos)));
    SaveKeyEvents(*entry, button.Events);
  }
}

void WriteProfile(const std::u16string& fileName) {
  RebuildTrackers();
  TMultilevel document;
  BuildProfileDocument(document);
  SaveDocumentSafely(document, fileName);
  ProfileFileName = FullPath(fileName);
  ClearModified();
  if (EngineHooks.ProfileChanged) EngineHooks.ProfileChanged();
}

}  // namespace

void BuildProfileDocument(TMultilevel& root) {
  WriteCompatibility(root);
  WriteAxes(root);
  WriteHats(root);
  WriteButtons(root);
}

void SaveProfile(const std::u16string& fileName) {
  const bool wasRunning = Running.load();
  StopPolling();
  try {
    WriteProfile(fileName);
  } catch (...) {
    if (wasRunning) StartPolling();
    throw;
  }
  if (wasRunning) StartPolling();
}

}  // namespace qv
