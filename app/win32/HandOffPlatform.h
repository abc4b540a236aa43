#pragma once
// The hand-off's platform: windows found by title, private messages sent
// across processes, and the "exUnableToPass" question.
#include "app/SecondStart.h"

namespace qv::win32 {

THandOffPlatform& SystemHandOff();

}  // namespace qv::win32
