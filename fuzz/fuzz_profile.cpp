// Arbitrary bytes as a profile, read against the example controller with
// its example joystick settings. Whatever reads must save, and what is saved
// must read back into tables that save to the same bytes.
#include <cstdlib>

#include "FilesFuzzing.h"
#include "base/ProgramFolder.h"
#include "engine/Profile.h"
#include "storage/JoySettingsFile.h"
#include "storage/ProfileFile.h"

namespace {

using namespace qv;

constexpr fuzz::TFileKind kProfile{ResetProfile, ReadProfileDocument, BuildProfileDocument};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::AttachExampleController();
  if (!LoadJoySettings(ProgramFolder() + u"virtual-train-controller.qvjoy").empty()) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMultilevel root;
  if (fuzz::Parse(data, size, root) && fuzz::ReadInto(kProfile, root)) fuzz::CheckRoundTrip(kProfile);
  return 0;
}
