#pragma once
// Running system commands: parking levers and buttons, playback mute and
// volume, the recording level. Poll thread only, called through the engine's
// SysCommand hook; nothing here throws, and a missing mixer, line or control
// makes a sound command do nothing.
#include <cstdint>

#include "engine/Hooks.h"
#include "engine/SysCmdInfo.h"
#include "mixer/MixerApi.h"

namespace qv {

// up: the key-up event at the end of a Hold; count: the volume step in percent.
void DispatchSysCmd(bool up, int32_t command, int32_t count);

// The engine's part of the program's start-up, before the program settings
// are loaded: installs the dispatcher and the name lookups as the engine's
// hooks, opens both mixers on device 0 and chooses the default recording line.
void StartSystemCommands(MixerApi& mixers);

}  // namespace qv
