// QUORVEX_VIRTUAL_JOYSTICK picks the virtual joystick and its file.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"

namespace qv::sim {
namespace {

class EnvironmentTest : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv(VirtualJoystickVariable); }
};

TEST_F(EnvironmentTest, TheVariableNamesTheControllerFileAndWithoutItThePlatformIsUsed) {
  unsetenv(VirtualJoystickVariable);
  EXPECT_EQ(VirtualJoystickFromEnvironment(), nullptr);
  setenv(VirtualJoystickVariable, "", 1);
  EXPECT_EQ(VirtualJoystickFromEnvironment(), nullptr);

  setenv(VirtualJoystickVariable, ToUtf8(DefaultControllerFile()).c_str(), 1);
  std::unique_ptr<TVirtualJoystick> api = VirtualJoystickFromEnvironment();
  ASSERT_NE(api, nullptr);
  input::TJoystick joystick;
  joystick.Initialise(*api);
  EXPECT_EQ(joystick.ChosenName(), u"Quorvex Virtual Train Controller");
  EXPECT_EQ(JoyButtonCount, 12);
  joystick.Shutdown();

  setenv(VirtualJoystickVariable, "no-such-controller-file.ml", 1);
  EXPECT_THROW(VirtualJoystickFromEnvironment(), EControllerFile);
}

}  // namespace
}  // namespace qv::sim
