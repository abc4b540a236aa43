#include "app/win32/Joystick.h"

#include "input/win32/DirectInputJoystick.h"
#include "sim/VirtualJoystick.h"

namespace qv::app {

std::unique_ptr<input::JoystickApi> ChooseJoystickApi() {
  if (auto virtualJoystick = sim::VirtualJoystickFromEnvironment()) return virtualJoystick;
  return std::make_unique<input::win32::TDirectInputJoystick>();
}

void BringUpJoystick(input::TJoystick& joystick, input::JoystickApi& api) {
  joystick.Initialise(api);
  input::InstallAsEngineDevice(joystick);
}

}  // namespace qv::app
