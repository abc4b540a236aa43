// The native build has no Windows 9x.
#include "lang/Platform.h"

namespace qv::lang {

bool IsWin9xPlatform() { return false; }

}  // namespace qv::lang
