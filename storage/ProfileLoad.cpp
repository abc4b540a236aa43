#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "storage/EnumNames.h"
#include "storage/FilePaths.h"
#include "storage/KeyActionFile.h"
#include "storage/ProfileFile.h"

namespace qv {
namespace {

// The list position of the control the entry names, or -1.
int EntryControl(const TMultilevel& entry, int count, const TJoyControlData* list) {
  return FindControlByIndex(count, list, entry.ReadIntegerReq("Index"));
}

void ReadAxisPositions(const TMultilevel& positions, TProfileAxis& axis) {
  for (const auto& entry : positions.Sections) {
    const int32_t number = entry->ReadIntegerReq("Index");
    if (number < 1 || number > MaxPositions) continue;
    TAxisPosition& position = axis.Position(number);
    position.UserIndex = entry->ReadInteger("UserIndex", number);
    position.GateHold = entry->ReadInteger("GateHold", 0);
    LoadKeyEvents(*entry, position.Events);
  }
}

void ReadAxes(const TMultilevel& axes) {
  for (const auto& entry : axes.Sections) {
    const int list = EntryControl(*entry, JoyAxisCount, JoyAxes.data());
    if (list < 0) continue;
    TProfileAxis& axis = ProfileAxes[static_cast<size_t>(list)];
    axis.PosLimit = entry->ReadInteger("PosLimit", 0);
    axis.InitialPos = entry->ReadInteger("InitialPos", 0);
    axis.ResyncFirst = entry->ReadInteger("ResyncFirst", 0);
    axis.ResyncLast = entry->ReadInteger("ResyncLast", 0);
    axis.StepHold = entry->ReadInteger("StepHold", 0);
    axis.StepGap = entry->ReadInteger("StepGap", 0);
    LoadKeyAction(*entry, axis.Up, "UP", true);
    LoadKeyAction(*entry, axis.Down, "DOWN", true);
    if (const TMultilevel* positions = entry->FindSection("POSITIONS")) ReadAxisPositions(*positions, axis);
  }
}

void ReadHats(const TMultilevel& hats) {
  for (const auto& entry : hats.Sections) {
    const int list = EntryControl(*entry, JoyHatCount, JoyHats.data());
    if (list < 0) continue;
    const TMultilevel* positions = entry->FindSection("POSITIONS");
    if (!positions) continue;
    for (const auto& direction : positions->Sections) {
      // 0 is "OFF", and also what a missing, empty or unlisted value gives.
      const int32_t d = ReadListed(*direction, "Direction", HatDirectionNames, 0);
      if (d == 0) continue;
      LoadKeyEvents(*direction,
                    ProfileHats[static_cast<size_t>(list)].Directions[static_cast<size_t>(d - 1)]);
    }
  }
}

void ReadButtons(const TMultilevel& buttons) {
  for (const auto& entry : buttons.Sections) {
    const int list = EntryControl(*entry, JoyButtonCount, JoyButtons.data());
    if (list < 0) continue;
    TProfileButton& button = ProfileButtons[static_cast<size_t>(list)];
    LoadKeyEvents(*entry, button.Events);
    button.ParkPos = static_cast<uint8_t>(ReadListed(*entry, "ParkPos", ParkPosNames, ppNone));
  }
}

// Whatever happened to the load: the window side shows the profile as it now
// is, every control is synced afresh, and polling runs if it ran before.
void FinishLoad(bool wasRunning) {
  if (EngineHooks.ProfileChanged) EngineHooks.ProfileChanged();
  ResyncRequest.store(true);
  if (wasRunning) StartPolling();
}

void LoadNamedProfile(const std::u16string& fileName) {
  TMultilevel document;
  document.LoadFromFile(fileName);
  StopPolling();
  ResetProfile();
  ReadProfileDocument(document);
  ClearModified();
  ProfileFileName = FullPath(fileName);
}

}  // namespace

void ReadProfileDocument(const TMultilevel& root) {
  if (const TMultilevel* compatibility = root.FindSection("COMPATIBILITY")) {
    ShiftPause = compatibility->ReadInteger("ShiftPause", 0);
    TapPause = compatibility->ReadInteger("TapPause", 0);
  }
  if (const TMultilevel* axes = root.FindSection("AXES")) ReadAxes(*axes);
  if (const TMultilevel* hats = root.FindSection("HATS")) ReadHats(*hats);
  if (const TMultilevel* buttons = root.FindSection("BUTTONS")) ReadButtons(*buttons);
}

bool LoadProfile(const std::u16string& fileName) {
  if (!IsExistingFile(fileName)) return false;
  const bool wasRunning = Running.load();
  try {
    LoadNamedProfile(fileName);
  } catch (...) {
    FinishLoad(wasRunning);
    throw;
  }
  FinishLoad(wasRunning);
  return true;
}

bool OpenProfile(const std::u16string& fileName) {
  try {
    return LoadProfile(fileName);
  } catch (const EMultilevel& error) {
    throw Error(fileName + u"\r\n" + error.message());
  }
}

}  // namespace qv
