#include "sim/StandInDevice.h"

#include "engine/Hooks.h"

namespace qv::sim {

void TStandInDevice::Attach(int axes, int buttons, int hats) {
  joystick_.Shutdown();
  api_ = std::make_unique<TVirtualJoystick>(
      std::vector<TVirtualController>{PlainController(u"Stand-in", axes, buttons, hats)});
  joystick_.Initialise(*api_);
  EngineHooks.PollDevice = [this] { return joystick_.Poll(); };
}

}  // namespace qv::sim
