// The joystick layer over the virtual joystick: which controller is chosen,
// how its objects become the engine's lists, what a failing step or read does.
#include <gtest/gtest.h>

#include <set>

#include "engine/Profile.h"
#include "engine/Seams.h"
#include "input/i_Joystick.h"
#include "lang/EMultilang.h"
#include "sim/Clocks.h"
#include "sim/VirtualJoystick.h"

namespace qv::input {
namespace {

using sim::TControlKind;
using sim::TVirtualController;
using sim::TVirtualJoystick;
using sim::TVirtualStep;

class JoystickTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallSeams(nullptr, nullptr, &clock); }
  void TearDown() override {
    joystick.Shutdown();
    InstallSeams(nullptr, nullptr, nullptr);
  }
  void Start(std::vector<TVirtualController> controllers, std::u16string preferred = {}) {
    api = std::make_unique<TVirtualJoystick>(std::move(controllers));
    joystick.SetPreferredName(std::move(preferred));
    joystick.Initialise(*api);
  }
  // The slot a list entry points to, counted from the lowest slot of all lists.
  std::vector<const int32_t*> AllSlots() const {
    std::vector<const int32_t*> all;
    for (int i = 0; i < JoyAxisCount; ++i) all.push_back(JoyAxes[static_cast<size_t>(i)].Value);
    for (int i = 0; i < JoyButtonCount; ++i) all.push_back(JoyButtons[static_cast<size_t>(i)].Value);
    for (int i = 0; i < JoyHatCount; ++i) all.push_back(JoyHats[static_cast<size_t>(i)].Value);
    return all;
  }

  sim::VirtualClock clock{1000};
  std::unique_ptr<TVirtualJoystick> api;
  TJoystick joystick;
};

TEST_F(JoystickTest, ChoosesByPreferredNameTheLastMatchOrElseTheFirst) {
  struct Case {
    std::u16string preferred;
    int expectedAxes;  // each controller below has its own axis count
    bool pending;
  };
  const Case cases[] = {
      {u"", 1, false},      {u"Second", 2, false},
      {u"Nobody", 1, true}, {u"second", 1, true},  // names match exactly, case included
      {u"Twin", 4, false},                         // the later of two controllers of that name
  };
  for (const Case& c : cases) {
    Start({sim::PlainController(u"First", 1, 0, 0), sim::PlainController(u"Second", 2, 0, 0),
           sim::PlainController(u"Twin", 3, 0, 0), sim::PlainController(u"Twin", 4, 0, 0)},
          c.preferred);
    EXPECT_EQ(JoyAxisCount, c.expectedAxes);
    EXPECT_EQ(joystick.BindingPending(), c.pending);
    EXPECT_EQ(joystick.DeviceNames().size(), 4u);
    joystick.Shutdown();
  }
}

TEST_F(JoystickTest, KeepsSixteenDeviceNamesInEnumerationOrder) {
  std::vector<TVirtualController> many;
  for (int i = 0; i < 18; ++i)
    many.push_back(sim::PlainController(std::u16string(1, static_cast<char16_t>(u'A' + i)), 1, 0, 0));
  Start(many, u"R");  // the eighteenth: beyond the names kept, still chosen
  ASSERT_EQ(joystick.DeviceNames().size(), 16u);
  EXPECT_EQ(joystick.DeviceNames()[0], u"A");
  EXPECT_EQ(joystick.DeviceNames()[15], u"P");
  EXPECT_EQ(joystick.ChosenName(), u"R");
  EXPECT_FALSE(joystick.BindingPending());
}

TEST_F(JoystickTest, ListsObjectsByIndexWithinLimitsAndSlotsInEnumerationOrder) {
  TVirtualController pad;
  pad.Name = u"Pad";
  // Buttons 19 down to 0, a button and an axis beyond their limits, hats
  // between, and more axes of one instance than the list holds.
  for (int b = 19; b >= 10; --b) pad.Controls.push_back({TControlKind::Button, b, u"B"});
  pad.Controls.push_back({TControlKind::Hat, 1, u"H1"});
  pad.Controls.push_back({TControlKind::Button, 130, u"B130"});
  pad.Controls.push_back({TControlKind::Axis, 16, u"A16"});
  for (int b = 9; b >= 0; --b) pad.Controls.push_back({TControlKind::Button, b, u"B"});
  pad.Controls.push_back({TControlKind::Hat, 0, u"H0"});
  pad.Controls.push_back({TControlKind::Axis, 5, u"A5"});
  Start({pad});
  EXPECT_EQ(JoyButtonCount, 20);
  EXPECT_EQ(JoyHatCount, 2);
  ASSERT_EQ(JoyAxisCount, 1);
  EXPECT_EQ(JoyAxes[0].Index, 5);
  for (int i = 0; i < JoyButtonCount; ++i) EXPECT_EQ(JoyButtons[static_cast<size_t>(i)].Index, i);
  EXPECT_EQ(JoyHats[0].Name, u"H0");
  EXPECT_EQ(JoyHats[1].Name, u"H1");

  // Slot n holds the n-th object enumerated, described by format entry n.
  const std::vector<TVirtualJoystick::TSlot>& format = api->Format();
  ASSERT_EQ(format.size(), 23u);
  EXPECT_EQ(api->FormatFlags(), FormatAbsAxis);
  const std::vector<const int32_t*> slots = AllSlots();
  const int32_t* base = *std::min_element(slots.begin(), slots.end());
  std::set<size_t> seen;
  for (size_t n = 0; n < format.size(); ++n) {
    EXPECT_EQ(format[n].Offset, 4 * n);
    seen.insert(static_cast<size_t>(slots[n] - base));
  }
  EXPECT_EQ(seen.size(), 23u);
  EXPECT_EQ(format[0].TypeWord, TypePushButton | MakeInstance(19));
  EXPECT_EQ(format[10].TypeWord, TypePov | MakeInstance(1));
  EXPECT_EQ(format[22].TypeWord, TypeAbsAxis | MakeInstance(5));
  EXPECT_EQ(JoyButtons[19].Value - base, 0);  // button 19 came first
  EXPECT_EQ(JoyAxes[0].Value - base, 22);

  // Values reach each list entry through its slot; a button is the platform's pressed byte.
  api->Set(TControlKind::Button, 7, 1);
  api->Set(TControlKind::Axis, 5, 40000);
  api->Set(TControlKind::Hat, 1, 9000);
  ASSERT_TRUE(joystick.Poll());
  EXPECT_EQ(*JoyButtons[7].Value, 0x80);
  EXPECT_EQ(*JoyButtons[6].Value, 0);
  EXPECT_EQ(*JoyAxes[0].Value, 40000);
  EXPECT_EQ(*JoyHats[0].Value, -1);
  EXPECT_EQ(*JoyHats[1].Value, 9000);
}

TEST_F(JoystickTest, RepeatedInstanceNumbersNeverOverflowAList) {
  TVirtualController pad;
  pad.Name = u"Odd";
  for (int i = 0; i < 20; ++i) pad.Controls.push_back({TControlKind::Axis, 0, u"A"});
  Start({pad});
  EXPECT_EQ(JoyAxisCount, MaxAxes);
  EXPECT_EQ(joystick.SlotCount(), MaxAxes);
}

TEST_F(JoystickTest, EachFailingStepRaisesItsOwnMessage) {
  struct Case {
    TVirtualStep step;
    std::u16string id;
  };
  const Case cases[] = {
      {TVirtualStep::Create, u"exCantCreateDx"},
      {TVirtualStep::EnumDevices, u"exNoJoy"},
      {TVirtualStep::CreateDevice, u"exCantCreateJoy"},
      {TVirtualStep::EnumObjects, u"exCantEnumerateControls"},
      {TVirtualStep::SetDataFormat, u"exCantSetDataFormat"},
      {TVirtualStep::SetCooperativeLevel, u"exCantSetCoopLevel"},
      {TVirtualStep::Acquire, u"exCantAcquire"},
  };
  for (const Case& c : cases) {
    TVirtualJoystick failing({sim::PlainController(u"Pad", 2, 2, 1)});
    failing.Fail(c.step);
    try {
      joystick.Initialise(failing);
      ADD_FAILURE() << "no error";
    } catch (const lang::EMultilang& e) {
      EXPECT_EQ(e.message(), c.id);
      EXPECT_FALSE(e.builtIn().empty());
    }
    joystick.Shutdown();
  }
  TVirtualJoystick none({});
  try {
    joystick.Initialise(none);
    ADD_FAILURE() << "no error";
  } catch (const lang::EMultilang& e) {
    EXPECT_EQ(e.message(), u"exNoJoy");
  }
}

TEST_F(JoystickTest, FailedReadKeepsEveryValueAndLostDeviceIsAcquiredAgainAtMostEvery500Ms) {
  Start({sim::PlainController(u"Pad", 1, 1, 0)});
  const int afterStart = api->AcquireCount();
  api->Set(TControlKind::Axis, 0, 1234);
  ASSERT_TRUE(joystick.Poll());
  EXPECT_TRUE(joystick.StateValid());

  api->Set(TControlKind::Axis, 0, 999);
  api->SetReading(TReadResult::Failed);
  EXPECT_FALSE(joystick.Poll());
  EXPECT_FALSE(joystick.StateValid());
  EXPECT_EQ(*JoyAxes[0].Value, 1234);
  EXPECT_EQ(joystick.AxisValue(0), 1234);
  EXPECT_EQ(api->AcquireCount(), afterStart);  // not a lost device: nothing to acquire

  api->SetReading(TReadResult::Lost);
  const struct {
    uint32_t advance;
    int acquires;
  } steps[] = {{0, 1}, {499, 1}, {1, 2}, {100, 2}, {400, 3}};
  for (const auto& s : steps) {
    clock.Advance(s.advance);
    EXPECT_FALSE(joystick.Poll());
    EXPECT_EQ(api->AcquireCount() - afterStart, s.acquires) << "at " << clock.Now();
  }
  EXPECT_EQ(*JoyAxes[0].Value, 1234);

  api->SetReading(TReadResult::Ok);
  EXPECT_TRUE(joystick.Poll());
  EXPECT_EQ(*JoyAxes[0].Value, 999);
  EXPECT_EQ(joystick.AxisValue(0), 999);
  for (int pastTheList : {-1, 1, MaxAxes}) EXPECT_EQ(joystick.AxisValue(pastTheList), 0) << pastTheList;
  // A new loss tries at once, not 500 ms after the last try.
  api->SetReading(TReadResult::Lost);
  joystick.Poll();
  EXPECT_EQ(api->AcquireCount() - afterStart, 4);
}

// The measuring wizard's answer: any one of the buttons, the last one included.
TEST_F(JoystickTest, AnyButtonDownSeesEachButtonAtTheLastRead) {
  Start({sim::PlainController(u"Pad", 1, 3, 0)});
  ASSERT_TRUE(joystick.Poll());
  EXPECT_FALSE(joystick.AnyButtonDown());
  for (int b = 0; b < 3; ++b) {
    api->Set(TControlKind::Button, b, 128);
    EXPECT_FALSE(joystick.AnyButtonDown()) << "not read yet: " << b;
    ASSERT_TRUE(joystick.Poll());
    EXPECT_TRUE(joystick.AnyButtonDown()) << b;
    api->Set(TControlKind::Button, b, 0);
    ASSERT_TRUE(joystick.Poll());
    EXPECT_FALSE(joystick.AnyButtonDown()) << b;
  }
}

TEST_F(JoystickTest, ShutdownEmptiesTheListsAndPollReportsNothing) {
  Start({sim::PlainController(u"Pad", 2, 3, 1)});
  joystick.Shutdown();
  EXPECT_EQ(JoyAxisCount + JoyButtonCount + JoyHatCount, 0);
  EXPECT_TRUE(joystick.DeviceNames().empty());
  EXPECT_FALSE(joystick.Poll());
  EXPECT_EQ(joystick.AxisValue(0), 0) << "no slot is read once the device is gone";
}

}  // namespace
}  // namespace qv::input
