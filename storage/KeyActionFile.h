#pragma once
// One key action as a section of a profile ("PRESS", "HOLD", "RELEASE",
// "UP", "DOWN"). "Repeat" is read and written only where it means something:
// for the tapped actions, never for "HOLD".
#include <string_view>

#include "engine/KeyAction.h"
#include "formats/Multilevel.h"

namespace qv {

// No section of that name leaves the action as it is.
void LoadKeyAction(const TMultilevel& parent, TKeyAction& action, std::string_view name, bool readRepeat);
// An empty action writes nothing.
void SaveKeyAction(TMultilevel& parent, const TKeyAction& action, std::string_view name, bool writeRepeat);

// The three actions of a state, as PRESS, HOLD and RELEASE.
void LoadKeyEvents(const TMultilevel& parent, TKeyEvents& events);
void SaveKeyEvents(TMultilevel& parent, const TKeyEvents& events);

}  // namespace qv
