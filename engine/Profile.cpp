#include "engine/Profile.h"

#include "engine/Hooks.h"

namespace qv {

std::array<TJoyControlData, MaxAxes> JoyAxes;
std::array<TJoyControlData, MaxButtons> JoyButtons;
std::array<TJoyControlData, MaxHats> JoyHats;
int JoyAxisCount = 0;
int JoyButtonCount = 0;
int JoyHatCount = 0;

TJoySettings JoySettings;

std::array<TProfileAxis, MaxAxes> ProfileAxes;
std::array<TAxisTracker, MaxAxes> AxisTrackers;
std::array<TProfileButton, MaxButtons> ProfileButtons;
std::array<int32_t, MaxButtons> ButtonLastState{};
std::array<TProfileHat, MaxHats> ProfileHats;
std::array<uint8_t, MaxHats> HatCurrentDir{HatCentred, HatCentred, HatCentred, HatCentred};

int32_t ShiftPause = 0;
int32_t TapPause = 0;
std::u16string ProfileFileName;

TEngineHooks EngineHooks;

namespace {
bool modified = false;
}

void ResetProfile() {
  for (TProfileAxis& axis : ProfileAxes) {
    axis.PosLimit = 0;
    axis.CurrentPos = 0;
    axis.Up.Clear();
    axis.Down.Clear();
    axis.ResyncFirst = 0;
    axis.ResyncLast = 0;
    axis.StepHold = 0;
    axis.StepGap = 0;
    axis.InitialPos = 0;
    axis.Positions = NumberedPositions();
  }
  for (TProfileButton& button : ProfileButtons) {
    button.Events.Clear();
    button.ParkPos = ppNone;
  }
  for (int h = 0; h < JoyHatCount; ++h) {
    for (TKeyEvents& events : ProfileHats[static_cast<size_t>(h)].Directions) events.Clear();
  }
  ResetRunTimeState();
  ShiftPause = 0;
  TapPause = 0;
  ProfileFileName.clear();
  if (EngineHooks.ProfileChanged) EngineHooks.ProfileChanged();
}

void ResetRunTimeState() {
  for (int b = 0; b < JoyButtonCount; ++b) RtStore(ButtonLastState[static_cast<size_t>(b)], 0);
  for (int a = 0; a < JoyAxisCount; ++a) RtStore(ProfileAxes[static_cast<size_t>(a)].LastPos, -1);
  for (int h = 0; h < JoyHatCount; ++h) RtStore(ProfileHats[static_cast<size_t>(h)].LastDir, -1);
}

bool HasEvents(const TProfileAxis& axis, int32_t position) {
  if (position < 1 || position > MaxPositions) return false;
  const TAxisPosition& pos = axis.Positions[static_cast<size_t>(position - 1)];
  return pos.UserIndex != position || pos.GateHold > 0 || !pos.Events.Empty();
}

bool CompatibilityInUse() { return TapPause > 0 || ShiftPause > 0; }

int FindControlByIndex(int count, const TJoyControlData* list, int32_t index) {
  for (int i = 0; i < count; ++i) {
    if (list[i].Index == index) return i;
  }
  return -1;
}

bool ProfileModified() { return modified; }

void MarkModified() {
  if (modified) return;
  modified = true;
  if (EngineHooks.ProfileChanged) EngineHooks.ProfileChanged();
}

void ClearModified() { modified = false; }

}  // namespace qv
