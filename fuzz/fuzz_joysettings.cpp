// Arbitrary bytes as the joystick settings file, with the example controller
// attached. Whatever is read (all of it, or what came before a fault) must
// cut the controller's axes into segments, save, and read back into settings
// that save to the same bytes.
#include "FilesFuzzing.h"
#include "engine/Profile.h"
#include "storage/JoySettingsFile.h"

namespace {

using namespace qv;

void ResetJoySettings() { JoySettings = TJoySettings{}; }

constexpr fuzz::TFileKind kJoySettings{ResetJoySettings, ReadJoySettingsDocument, BuildJoySettingsDocument};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::AttachExampleController();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMultilevel root;
  if (!fuzz::Parse(data, size, root)) return 0;
  fuzz::ReadInto(kJoySettings, root);
  fuzz::CheckRoundTrip(kJoySettings);
  return 0;
}
