#pragma once
// A window as the screen shows it (its frame and every child as drawn), saved
// as a PNG under the build folder's screenshots for a person to look at.
#include <windows.h>

#include <string>

namespace qv::test {

// The window must be in front and painted. Returns the file's path; a file
// that cannot be written fails the test.
std::string SaveWindowPicture(HWND window, const std::string& name);

}  // namespace qv::test
