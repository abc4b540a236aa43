#pragma once
// One line of text per replayed record, as qvtool replay prints it:
//
//        1500 down vk=0x41 scan=0x1E ext=0 batch=3 A
//       18300 cmd DemandParkAxes down 1
//       20000 cmd SoundOff up 1: Speakers mute 1->0
//
// time in ms, down or up, the virtual key, scan code and extended bit as the
// stand-in simulator logs them, the platform call the record went out in,
// the key's name on a US keyboard; a system command with its event and count,
// and what it changed on the sound card.
#include <string>

#include "tools/Replay.h"

namespace qv::tool {

std::string ReplayLine(const TReplayEvent& event);

}  // namespace qv::tool
