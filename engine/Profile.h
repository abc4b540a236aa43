#pragma once
// The one profile in memory, the joystick settings and the device lists:
// fixed process-wide tables that live for the whole run. The window side
// reads and edits them directly while polling is stopped; while it runs, the
// poll thread writes only the run-time fields (through RtStore) and the
// painter reads those through RtLoad.
#include <array>
#include <atomic>
#include <cstdint>
#include <string>

#include "engine/KeyAction.h"

namespace qv {

constexpr int MaxAxes = 16;
constexpr int MaxButtons = 128;
constexpr int MaxHats = 4;
constexpr int MaxPositions = 32;
constexpr int HatDirections = 8;
constexpr uint8_t HatCentred = 255;

template <class T>
void RtStore(T& field, T value) {
  std::atomic_ref<T>(field).store(value, std::memory_order_relaxed);
}
template <class T>
T RtLoad(const T& field) {
  return std::atomic_ref<T>(const_cast<T&>(field)).load(std::memory_order_relaxed);
}

struct TJoyControlData {
  std::u16string Name;
  int32_t Index = 0;
  int32_t* Value = nullptr;  // the control's slot in the device state buffer
};

enum TAxisType : uint8_t { atUnused = 0, atMultipos = 1, atAnalog = 2 };
enum THangPos : uint8_t { hpNone = 0, hpMin = 1, hpMax = 2 };
enum TParkPos : uint8_t { ppNone = 0, ppRelease = 1, ppPress = 2 };

struct TAxisSettings {
  std::u16string Name;
  uint8_t Type = atUnused;
  int32_t Count = 0;  // stored rest values
  std::array<int32_t, MaxPositions> Value{};
  bool Reverse = false;
  uint8_t HangPos = hpNone;
  int32_t Neutral = 0;
  int32_t Threshold = 0;
};

struct TJoySettings {
  std::array<TAxisSettings, MaxAxes> Axes;
  int32_t Noise = 10;  // tenths of a percent of the axis range
};

struct TAxisPosition {
  int32_t UserIndex = 0;
  // ms every step tap crossing the simulator's boundary between notches
  // UserIndex and UserIndex + 1 is held longer: the detent there needs a
  // longer press. As read from the profile; bounded where it is used.
  int32_t GateHold = 0;
  TKeyEvents Events;
};

// A position stands for the simulator's notch of the same number until the
// profile says otherwise, in a table built afresh as much as after a reset.
inline std::array<TAxisPosition, MaxPositions> NumberedPositions() {
  std::array<TAxisPosition, MaxPositions> positions{};
  for (int32_t p = 1; p <= MaxPositions; ++p) positions[static_cast<size_t>(p - 1)].UserIndex = p;
  return positions;
}

struct TProfileAxis {
  int32_t PosLimit = 0;
  int32_t CurrentPos = 0;
  bool Synced = false;
  TKeyAction Up;
  TKeyAction Down;
  int32_t ResyncFirst = 0;
  int32_t ResyncLast = 0;
  // This lever's own step taps: ms each Up or Down is held, and the pause
  // after it (0 with a hold: as long as the hold). Both 0: the profile's
  // compatibility pauses. As read from the profile; bounded where used.
  int32_t StepHold = 0;
  int32_t StepGap = 0;
  int32_t InitialPos = 0;
  std::array<TAxisPosition, MaxPositions> Positions = NumberedPositions();  // position p is Positions[p - 1]
  int32_t LastPos = -1;
  int32_t PosCount = 0;
  int32_t MinUserIndex = 2147483647;
  int32_t MaxUserIndex = -2147483647;
  bool Remapped = false;
  bool HasPosKeys = false;

  TAxisPosition& Position(int32_t number) { return Positions[static_cast<size_t>(number - 1)]; }
};

struct TProfileButton {
  TKeyEvents Events;
  uint8_t ParkPos = ppNone;
  bool Synced = false;
  // Parked while released with a Press park state, its events entered: it
  // stays so through a release of everything, which forgets the state.
  bool ParkedDown = false;
};

struct TProfileHat {
  std::array<TKeyEvents, HatDirections> Directions;
  bool HasKeys = false;
  int32_t LastDir = -1;
};

struct TAxisSegment {
  int32_t Low = 0;
  int32_t High = 0;
  int32_t Number = 0;
};

struct TAxisTracker {
  bool Active = false;
  int32_t ListIndex = 0;
  int32_t* Value = nullptr;
  int32_t SegmentCount = 0;
  int32_t CurrentNumber = -1;
  bool OutOfRange = false;
  int32_t NoiseMargin = 0;
  int32_t LowerBound = -1;
  int32_t UpperBound = -1;
  int32_t ValidMin = 0;
  int32_t ValidMax = 65535;
  int32_t CurrentSegment = -1;
  std::array<TAxisSegment, MaxPositions> Segments;
};

// Device lists, filled by the joystick layer; sorted by Index.
extern std::array<TJoyControlData, MaxAxes> JoyAxes;
extern std::array<TJoyControlData, MaxButtons> JoyButtons;
extern std::array<TJoyControlData, MaxHats> JoyHats;
extern int JoyAxisCount;
extern int JoyButtonCount;
extern int JoyHatCount;

extern TJoySettings JoySettings;

extern std::array<TProfileAxis, MaxAxes> ProfileAxes;
extern std::array<TAxisTracker, MaxAxes> AxisTrackers;
extern std::array<TProfileButton, MaxButtons> ProfileButtons;
extern std::array<int32_t, MaxButtons> ButtonLastState;
extern std::array<TProfileHat, MaxHats> ProfileHats;
extern std::array<uint8_t, MaxHats> HatCurrentDir;

extern int32_t ShiftPause;  // ms before the modifiers of an action go up
extern int32_t TapPause;    // ms before every key-down of a tap and between down and up

extern std::u16string ProfileFileName;

// Clears the profile (TapPause too: a new profile has no pauses) and tells the window side.
void ResetProfile();
void ResetRunTimeState();
bool HasEvents(const TProfileAxis& axis, int32_t position);
bool CompatibilityInUse();
int FindControlByIndex(int count, const TJoyControlData* list, int32_t index);

bool ProfileModified();
// Sets the modified flag; the window side hears of it the first time only.
void MarkModified();
void ClearModified();

}  // namespace qv
