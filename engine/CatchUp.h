#pragma once
// The simulator's levers while ours are not followed: our own window in
// front, or polling stopped for a settings window or a save. The run-time
// state starts over then, but the simulator's lever stays on the notch it was
// last stepped to; when following resumes, every lever moved meanwhile is
// stepped from there to where it now stands, so that the two never drift
// apart. A lever whose reading or stepping was changed meanwhile, and every
// lever after a resync (a profile load, set initial positions), starts over
// as it always did: its old notch means nothing any more.
#include <cstdint>

namespace qv {

// Before the run-time state is reset: keeps the position of every
// synchronised lever that stands on one. A lever with none (already
// released) keeps what was kept before.
void RememberSimulatorLevers();
// The queued steps are about to be dropped: a kept lever stands where the
// steps that did go out left it.
void RewindSimulatorLevers();
// After a reading and before the silent re-entry: steps every kept lever
// that is still synchronised, set up as it was, and stands elsewhere now;
// then forgets them all.
void CatchUpSimulatorLevers();
void ForgetSimulatorLevers();

// Everything that decides how device axis k is read and stepped: its
// device axis, its joystick settings and its profile axis.
uint64_t LeverSetupHash(int k);

}  // namespace qv
