#pragma once
// Profiles: what the program does with every control of the attached
// joystick, as a file the user names. Controls are named by their Index, so
// a profile fits whichever joystick is attached; entries for controls it
// lacks are skipped.
#include <string>

#include "formats/Multilevel.h"

namespace qv {

// False, with nothing changed and nothing called, when no file of that name
// exists. Otherwise polling is stopped, the profile reset and filled from
// the file; the window side hears of the change, every control is synced
// afresh and polling runs again as before, whether the load succeeded or
// not. A file that does not read raises EMultilevel; if that happens after
// the profile was reset, the half-loaded profile has no file name, so that
// a later save cannot write it over the file it came from.
bool LoadProfile(const std::u16string& fileName);
// LoadProfile for the user's commands: a file that does not read raises an
// Error whose message is the file's name on a line of its own above the
// reader's message, which stays word for word.
bool OpenProfile(const std::u16string& fileName);
// Writes the profile safely (the old file survives any failure), then names
// the profile after the file and clears its modified flag.
void SaveProfile(const std::u16string& fileName);

// The parts of load and save that touch neither files nor polling: the
// document's entries applied to the reset profile in file order, and the
// document of the profile as it is saved (the trackers must be current).
void ReadProfileDocument(const TMultilevel& root);
void BuildProfileDocument(TMultilevel& root);

}  // namespace qv
