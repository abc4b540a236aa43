#pragma once
// Start-up step 8: the one joystick, read through DirectInput, or through the
// virtual joystick when QUORVEX_VIRTUAL_JOYSTICK names a controller file.
#include <memory>

#include "input/JoystickApi.h"
#include "input/i_Joystick.h"
#include "ui/ControlTree.h"

namespace qv::app {

// The virtual joystick of the environment, else DirectInput.
std::unique_ptr<input::JoystickApi> ChooseJoystickApi();
// Sets the joystick up on api (which must outlive it) and makes its poll the
// engine's device poll. Raises EMultilang as the joystick layer does.
void BringUpJoystick(input::TJoystick& joystick, input::JoystickApi& api);

// What the joystick row shows of the joystick layer.
class TJoystickView final : public ui::TDeviceView {
 public:
  explicit TJoystickView(const input::TJoystick& joystick) : joystick_(joystick) {}
  std::u16string Name() const override { return joystick_.ChosenName(); }
  bool ReadOk() const override { return joystick_.StateValid(); }
  bool BindingMissing() const override { return joystick_.BindingPending(); }

 private:
  const input::TJoystick& joystick_;
};

}  // namespace qv::app
