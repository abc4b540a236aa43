#pragma once
// The mixer seam on winmm. Thin: it translates calls and decides nothing.
#include "mixer/MixerApi.h"

namespace qv::win32 {

// Stateless; one instance serves every mixer for the whole run.
MixerApi& WinmmMixer();

}  // namespace qv::win32
