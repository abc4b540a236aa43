// Arbitrary bytes as the joystick settings file, with the example controller
// attached. Whatever is read (all of it, or what came before a fault) must
// cut the controller's axes into segments, save, and read back into settings
// that save to the same bytes.
#include <cstdlib>

#include "FilesFuzzing.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "formats/files/JoySettingsFile.h"

namespace {

using namespace qv;

bool ReadSettings(const TMultilevel& root) {
  JoySettings = TJoySettings{};
  try {
    ReadJoySettingsDocument(root);
    return true;
  } catch (const Error&) {
    return false;
  }
}

std::string SavedSettings() {
  RebuildTrackers();
  TMultilevel root;
  BuildJoySettingsDocument(root);
  return fuzz::Saved(root);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::AttachExampleController();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMultilevel root;
  if (!fuzz::Parse(data, size, root)) return 0;
  ReadSettings(root);
  const std::string first = SavedSettings();
  TMultilevel again;
  if (!fuzz::Parse(first, again) || !ReadSettings(again) || SavedSettings() != first) std::abort();
  return 0;
}
