#pragma once
// Turning key actions into keyboard records, scheduled in the current
// control's lane with the two compatibility pauses, and the one
// keyboard-like auto-repeat slot. Poll thread only, except ActionText.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/KeyAction.h"
#include "engine/KeySchedule.h"
#include "engine/Seams.h"

namespace qv {

// A profile may ask for any number of taps; more than this in one go would
// only hold the poll thread (and the simulator) hostage, so a tap stops here.
constexpr int64_t MaxTapCount = 1000;

TKeyInput KeyRecord(const TKeyAction& action, bool up);
void KeyEvent(const TKeyAction& action, bool up);
// count x Repeat down/up pairs inside the action's modifiers.
void Tap(const TKeyAction& action, int64_t count);
// The same taps as one record that sends them all at once (times as counted).
std::function<void()> TapBatch(const TKeyAction& action, int64_t times);
// count x Repeat, capped.
int64_t TapTimes(const TKeyAction& action, int64_t count);
// At once, ascending / descending.
void PressModifiers(uint16_t set);
void ReleaseModifiers(uint16_t set);

// When the records of timed taps go out, each after the one before.
struct TTapTiming {
  uint32_t BeforeDown = 0;
  uint32_t Hold = 0;
  uint32_t BeforeModifiersUp = 0;
};
TTapTiming CompatibilityTiming();
// times down/up pairs of action inside its modifiers, as scheduled records;
// the modifiers' records open and close a span no other control enters.
std::vector<TScheduled> TimedTaps(const TKeyAction& action, int64_t times, TTapTiming timing);

void EnterHold(const TKeyAction& hold);
void LeaveHold(const TKeyAction& hold);

bool IsRepeatable(const TKeyAction& action);
void RegisterAutoRepeat(const TKeyAction& action);
void StopAutoRepeat();
void AutoRepeatTick();
// Milliseconds until the next repeat is due (0 when overdue), -1 with no key to repeat.
int32_t AutoRepeatDueIn(uint32_t now);
const TKeyAction& AutoRepeatKey();

const char16_t* ModifierName(int bit);
// The key that modifier bit stands for, as it is sent (left or right, with its scan code).
TKeyInput ModifierKeyRecord(int bit, bool up);
std::u16string ActionText(const TKeyAction& action);

}  // namespace qv
