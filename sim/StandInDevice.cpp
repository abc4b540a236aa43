#include "sim/StandInDevice.h"

namespace qv::sim {

void TStandInDevice::Attach(int axes, int buttons, int hats, TReporting reporting) {
  joystick_.Shutdown();
  TVirtualController controller = PlainController(u"Stand-in", axes, buttons, hats);
  controller.Polled = reporting == TReporting::Polled;
  controller.NeverSignals = reporting == TReporting::NeverSignals;
  api_ = std::make_unique<TVirtualJoystick>(std::vector<TVirtualController>{std::move(controller)});
  if (reporting == TReporting::SignalsFail) api_->Fail(TVirtualStep::SetNotification);
  joystick_.Initialise(*api_);
  input::InstallAsEngineDevice(joystick_);
}

}  // namespace qv::sim
