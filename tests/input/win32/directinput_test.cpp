// The DirectInput joystick against DirectInput objects of our own (the
// calls, their order, flags and structures, and every answer), and against
// Wine's real DirectInput, which finds no controller on a machine without one.
#include <gtest/gtest.h>

#include "FakeDirectInput.h"
#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
#include "engine/win32/WinSeams.h"
#include "input/i_Joystick.h"
#include "input/win32/DirectInputJoystick.h"
#include "lang/EMultilang.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"

namespace qv::input::win32::test {
namespace {

const GUID PadA{0x11111111, 1, 1, {1}};
const GUID PadB{0x22222222, 2, 2, {2}};

class DirectInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSeams(nullptr, nullptr, &clock);
    InstallWake(&wake);
    input.Controllers = {{PadA, L"Desk"}, {PadB, L"Lever box"}};
    device.Objects = {
        {GUID_Button, DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(3), 0, L"Horn"},
        {GUID_XAxis, DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(0), DIDOI_ASPECTPOSITION, L"Throttle"},
        {GUID_POV, DIDFT_POV | DIDFT_MAKEINSTANCE(0), 0, L"Hat"},
        {GUID_Button, DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(200), 0, L"Too far"},
    };
    device.State = {0x80, 30000, 9000};
  }
  void TearDown() override {
    joystick.Shutdown();
    EngineHooks = TEngineHooks{};
    InstallSeams(nullptr, nullptr, nullptr);
    InstallWake(nullptr);
  }
  DirectInputFactory Factory() {
    return [this](HINSTANCE instance, DWORD version, REFIID iid, LPVOID* out, LPUNKNOWN) {
      factoryInstance = instance;
      factoryVersion = version;
      factoryIid = iid;
      *out = static_cast<IDirectInput8W*>(&input);
      return DI_OK;
    };
  }
  size_t CountOf(const std::string& call) const {
    return static_cast<size_t>(std::count(log.Calls.begin(), log.Calls.end(), call));
  }

  sim::VirtualClock clock{100};
  qv::win32::SystemWakeEvent wake;
  TCallLog log;
  FakeDevice device{log};
  FakeDirectInput input{log, device};
  HINSTANCE factoryInstance = nullptr;
  DWORD factoryVersion = 0;
  GUID factoryIid = GUID_NULL;
  TJoystick joystick;
};

TEST_F(DirectInputTest, SetsUpTheChosenDeviceWithRealStructureSizesAndSharedBackgroundAccess) {
  TDirectInputJoystick api(Factory());
  device.AcquireAnswer = S_FALSE;  // already acquired: still a success
  joystick.SetPreferredName(u"Lever box");
  joystick.Initialise(api);

  EXPECT_EQ(factoryVersion, 0x0800u);
  EXPECT_EQ(factoryInstance, GetModuleHandleW(nullptr));
  EXPECT_TRUE(IsEqualGUID(factoryIid, IID_IDirectInput8W));
  EXPECT_TRUE(IsEqualGUID(input.Created, PadB));
  const std::vector<std::string> order{
      "EnumDevices 4 0",        "CreateDevice",    "EnumObjects 31",       "SetDataFormat",
      "SetCooperativeLevel 10", "GetCapabilities", "SetEventNotification", "Acquire"};
  EXPECT_EQ(log.Calls, order);

  EXPECT_EQ(device.Format.dwSize, sizeof(DIDATAFORMAT));
  EXPECT_EQ(device.Format.dwObjSize, sizeof(DIOBJECTDATAFORMAT));
  EXPECT_EQ(device.Format.dwFlags, static_cast<DWORD>(DIDF_ABSAXIS));
  EXPECT_EQ(device.Format.dwDataSize, 12u);
  ASSERT_EQ(device.Format.dwNumObjs, 3u);
  for (size_t n = 0; n < 3; ++n) {
    EXPECT_TRUE(IsEqualGUID(device.FormatTypes[n], device.Objects[n].Type)) << n;
    EXPECT_EQ(device.FormatObjects[n].dwOfs, 4 * n);
    EXPECT_EQ(device.FormatObjects[n].dwType, device.Objects[n].TypeWord);
    EXPECT_EQ(device.FormatObjects[n].dwFlags, device.Objects[n].Flags);
  }

  // The window: a top-level one of ours, kept as long as the DirectInput joystick.
  EXPECT_EQ(device.Window, api.Window());
  EXPECT_TRUE(IsWindow(device.Window));
  EXPECT_EQ(GetAncestor(device.Window, GA_ROOT), device.Window);
  EXPECT_FALSE(IsWindowVisible(device.Window));
  EXPECT_EQ(JoyButtons[0].Name, u"Horn");
  EXPECT_EQ(JoyButtonCount, 1);

  log.Calls.clear();
  joystick.Shutdown();
  // The engine's event outlives the device: DirectInput is told to forget it.
  const std::vector<std::string> release{"Unacquire", "SetEventNotification none", "Device.Release",
                                         "DirectInput.Release"};
  EXPECT_EQ(log.Calls, release);
  EXPECT_EQ(device.Refs, 1u);  // every reference taken was given back
  EXPECT_EQ(input.Refs, 0u);
}

TEST_F(DirectInputTest, ReadAnswersKeepOrRefreshTheStateAndALostDeviceIsAcquiredAgain) {
  TDirectInputJoystick api(Factory());
  joystick.Initialise(api);
  struct Case {
    HRESULT poll;
    HRESULT state;
    bool valid;
    size_t acquires;  // acquiring again after this read
  };
  const Case cases[] = {
      {DI_NOEFFECT, DI_OK, true, 0},         // a device that needs no polling
      {DIERR_INPUTLOST, DI_OK, false, 1},    // unplugged
      {DI_OK, DIERR_NOTACQUIRED, false, 1},  // not acquired: tried again, after 500 ms
      {E_FAIL, DI_OK, false, 0},             // any other failure: nothing to acquire
      {DI_OK, DI_OK, true, 0},
  };
  int32_t axis = 30000;
  for (const Case& c : cases) {
    log.Calls.clear();
    device.PollAnswer = c.poll;
    device.StateAnswer = c.state;
    device.State[1] = ++axis;
    clock.Advance(600);
    EXPECT_EQ(joystick.Poll(), c.valid);
    EXPECT_EQ(joystick.StateValid(), c.valid);
    EXPECT_EQ(CountOf("Acquire"), c.acquires);
    if (c.valid) {
      EXPECT_EQ(*JoyAxes[0].Value, axis);
    }
  }
  EXPECT_EQ(*JoyButtons[0].Value, 0x80);
  EXPECT_EQ(*JoyHats[0].Value, 9000);
}

// A device that signals its changes gets the engine's own event; one that
// must be polled, or that refuses, is polled, and that is no failure.
TEST_F(DirectInputTest, TheDeviceSignalsTheEnginesEventUnlessItMustBePolledOrRefuses) {
  struct Case {
    const char* device;
    DWORD caps;
    HRESULT capsAnswer;
    HRESULT notificationAnswer;
    bool signals;
  };
  const Case cases[] = {
      {"signalling", DIDC_ATTACHED, DI_OK, DI_OK, true},
      {"must be polled", DIDC_ATTACHED | DIDC_POLLEDDEVICE, DI_OK, DI_OK, false},
      {"capabilities unknown", DIDC_ATTACHED, E_FAIL, DI_OK, false},
      {"refuses the event", DIDC_ATTACHED, DI_OK, DIERR_INVALIDPARAM, false},
  };
  for (const Case& c : cases) {
    TDirectInputJoystick api(Factory());
    device.CapsFlags = c.caps;
    device.CapsAnswer = c.capsAnswer;
    device.NotificationAnswer = c.notificationAnswer;
    device.Event = nullptr;
    log.Calls.clear();
    joystick.Initialise(api);
    EXPECT_EQ(joystick.Signals(), c.signals) << c.device;
    EXPECT_EQ(device.Event, c.signals ? wake.NativeHandle() : nullptr) << c.device;
    EXPECT_EQ(log.Calls.back(), "Acquire") << c.device;
    log.Calls.clear();
    joystick.Shutdown();
    EXPECT_EQ(CountOf("SetEventNotification none"), c.signals ? 1u : 0u) << c.device;
  }
}

// The real poll thread asleep on the real event, which only the device's
// signal can end (no fallback): every change it signals is read, however
// many come between two readings.
TEST_F(DirectInputTest, APollThreadOnTheEventReadsEverySignalledChange) {
  sim::SteadyClock steady;
  sim::SignalOnlyClock signalOnly{steady, 40};
  sim::RecordingKeyboard keyboard{&steady};
  InstallSeams(&keyboard, nullptr, &signalOnly);
  TDirectInputJoystick api(Factory());
  device.State = {0, 1000, -1};
  joystick.Initialise(api);
  ASSERT_TRUE(joystick.Signals());
  input::InstallAsEngineDevice(joystick);
  JoySettings = TJoySettings{};
  TAxisSettings& lever = JoySettings.Axes[0];
  lever.Type = atMultipos;
  lever.Count = 4;
  lever.Value = {1000, 20000, 40000, 64000};
  ResetProfile();
  ProfileAxes[0].Up.Vkey = 0x26;
  ProfileAxes[0].Down.Vkey = 0x28;
  ResyncRequest = true;
  StartPolling();
  const auto steps = [&] {
    int net = 0;
    for (const TKeyInput& r : keyboard.Inputs()) {
      if ((r.Flags & KeyFlagUp) == 0) net += r.Vk == 0x26 ? 1 : r.Vk == 0x28 ? -1 : 0;
    }
    return net;
  };
  const auto settles = [&](int net) {
    for (int i = 0; i < 500 && steps() != net; ++i) Sleep(10);
    return steps() == net;
  };
  // Steps count from the thread's first reading, which finds the lever at rest.
  for (int i = 0; i < 500 && RtLoad(ProfileAxes[0].LastPos) != 1; ++i) Sleep(10);
  device.Change(1, 40000);
  EXPECT_TRUE(settles(2));
  for (int i = 0; i < 300; ++i) device.Change(1, i % 2 ? 1000 : 64000);
  device.Change(1, 20000);
  EXPECT_TRUE(settles(1));
  StopPolling();
  EXPECT_FALSE(Running);
  InstallSeams(nullptr, nullptr, &clock);
}

TEST_F(DirectInputTest, WineWithoutAControllerAnswersNoJoystick) {
  TDirectInputJoystick api;
  try {
    joystick.Initialise(api);
    ADD_FAILURE() << "a controller was found";
  } catch (const lang::EMultilang& e) {
    EXPECT_EQ(e.message(), u"exNoJoy");
  }
}

}  // namespace
}  // namespace qv::input::win32::test
