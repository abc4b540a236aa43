#pragma once
// The program's start-up, run and shutdown, in their fixed order.

namespace qv::app {

// Returns the process's exit code.
int RunProgram();

}  // namespace qv::app
