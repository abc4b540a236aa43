// Controller files and the timeline the virtual joystick plays on the clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "engine/Wake.h"
#include "formats/Multilevel.h"
#include "input/i_Joystick.h"
#include "sim/Clocks.h"
#include "sim/VirtualJoystick.h"

namespace qv::sim {
namespace {

// A controller file of our own, in a folder of our own, removed afterwards.
class TempFile {
 public:
  explicit TempFile(const std::string& text)
      : dir_(std::filesystem::temp_directory_path() /
             ("qv-controller-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
              std::to_string(reinterpret_cast<uintptr_t>(this)))) {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ / "pad.ml", std::ios::binary) << text;
  }
  ~TempFile() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  std::u16string Name() const { return FromUtf8((dir_ / "pad.ml").string()); }

 private:
  std::filesystem::path dir_;
};

std::string Controller(const std::string& body) {
  return "{ MULTILEVEL\n  { CONTROLLER\n    Name=Pad\n    Axis0=Lever\n    Button2=Horn\n    Hat0=Hat\n" +
         body + "  }\n}\n";
}

TEST(ControllerFileTest, MalformedFilesNameTheFileAndTheLine) {
  struct Case {
    std::string text;
    std::string expected;  // part of the message after the file name
  };
  const Case cases[] = {
      {"{ MULTILEVEL\n  oops\n}\n", "line 2"},
      {"{ MULTILEVEL\n}\n", "no CONTROLLER"},
      {"{ MULTILEVEL\n  { PAD\n  }\n}\n", "line 2: only CONTROLLER"},
      {"{ MULTILEVEL\n  { CONTROLLER\n    Axis0=x\n  }\n}\n", "line 2: the controller has no Name"},
      {"{ MULTILEVEL\n  { CONTROLLER\n    Name=P\n  }\n}\n", "line 2: the controller has no axes"},
      {Controller("    Slider0=x\n"), "line 7: \"Slider0\""},
      {Controller("    Axis70000=x\n"), "line 7: \"Axis70000\""},
      {Controller("    Button2=again\n"), "line 7: Button2 is declared twice"},
      {Controller("    { TIMELINE\n      Axis1=5\n    }\n"), "line 8: \"Axis1\" names no control"},
      {Controller("    { TIMELINE\n      Axis0=65536\n    }\n"),
       "line 8: \"65536\" is not a number from 0 to 65535"},
      {Controller("    { TIMELINE\n      Hat0=-2\n    }\n"), "line 8: \"-2\""},
      {Controller("    { TIMELINE\n      At=20\n      At=10\n    }\n"), "line 9: At goes back"},
      {Controller("    { TIMELINE\n      At=20\n      Length=10\n    }\n"), "line 9: Length ends before"},
      {Controller("    { TIMELINE\n      Loop=1\n      Axis0=5\n    }\n"), "line 7: a looping timeline"},
      {Controller("    Polled=2\n"), "line 7: \"2\" is not a number from 0 to 1"},
      {Controller("    NeverSignals=x\n"), "line 7: \"x\" is not a number from 0 to 1"},
  };
  for (const Case& c : cases) {
    TempFile file(c.text);
    try {
      LoadVirtualControllers(file.Name());
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const EControllerFile& e) {
      const std::string message = e.what();
      EXPECT_EQ(message.rfind(ToUtf8(file.Name()), 0), 0u) << message;
      EXPECT_NE(message.find(c.expected), std::string::npos) << message;
    }
  }
  const std::u16string missing = TempFile("").Name();  // its folder is gone again
  EXPECT_THROW(LoadVirtualControllers(missing), EControllerFile);
}

// How a controller of the file tells of its changes: it signals them, it
// refuses the signal (must be polled), or it takes the signal and never gives it.
TEST(ControllerFileTest, ReportingOptionsDecideWhetherChangesAreSignalled) {
  struct Case {
    const char* option;
    bool accepts;
    bool signals;
  };
  const Case cases[] = {
      {"", true, true}, {"    Polled=1\n", false, false}, {"    NeverSignals=1\n", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.option);
    TempFile file(Controller(c.option));
    TVirtualJoystick api(LoadVirtualControllers(file.Name()));
    input::TGuid instance;
    ASSERT_TRUE(api.Create());
    ASSERT_TRUE(api.EnumDevices([&](const input::TDeviceInstance& device) { instance = device.Instance; }));
    ASSERT_TRUE(api.CreateDevice(instance));
    TPortableWake wake;
    EXPECT_EQ(api.SetNotification(wake), c.accepts);
    api.Set(TControlKind::Axis, 0, 5);
    EXPECT_EQ(wake.Wait(0), c.signals);
    api.ReleaseAll();
  }
}

class TimelineTest : public ::testing::Test {
 protected:
  void TearDown() override { joystick.Shutdown(); }
  void Start(const std::string& timeline) {
    TempFile file(Controller("    { TIMELINE\n" + timeline + "    }\n"));
    api = std::make_unique<TVirtualJoystick>(LoadVirtualControllers(file.Name()), &clock);
    joystick.Initialise(*api);
  }
  int32_t AxisAt(uint32_t ms) {
    clock.Advance(ms - (clock.Now() - 500));
    joystick.Poll();
    return *JoyAxes[0].Value;
  }

  VirtualClock clock{500};
  std::unique_ptr<TVirtualJoystick> api;
  input::TJoystick joystick;
};

// Each value holds from its moment, and after every reading the engine is
// told how long until the next one comes, so it need not poll for them.
TEST_F(TimelineTest, ValuesHoldFromTheirMomentAndALoopStartsOver) {
  Start(
      "      Loop=1\n      Length=300\n      At=0\n      Axis0=10\n      At=100\n      Axis0=20\n"
      "      Button2=1\n      At=250\n      Axis0=30\n");
  const struct {
    uint32_t at;
    int32_t axis;
    int32_t nextIn;
  } expected[] = {{0, 10, 100},   {99, 10, 1},    {100, 20, 150}, {260, 30, 40},  {299, 30, 1},
                  {300, 10, 100}, {420, 20, 130}, {1250, 10, 50}, {1310, 20, 140}};
  for (const auto& e : expected) {
    EXPECT_EQ(AxisAt(e.at), e.axis) << "at " << e.at;
    EXPECT_EQ(joystick.NextChangeIn(), e.nextIn) << "at " << e.at;
  }
  EXPECT_EQ(*JoyButtons[0].Value, 0x80);
  // A value set directly holds until the timeline next changes that control.
  api->Set(TControlKind::Axis, 0, 777);
  EXPECT_EQ(AxisAt(1320), 777);
  EXPECT_EQ(AxisAt(1460), 30);
}

TEST_F(TimelineTest, WithoutLoopTheLastValuesStay) {
  Start("      At=50\n      Axis0=40000\n");
  EXPECT_EQ(AxisAt(10), 0);
  EXPECT_EQ(joystick.NextChangeIn(), 40);
  EXPECT_EQ(AxisAt(5000), 40000);
  EXPECT_EQ(joystick.NextChangeIn(), -1);
  EXPECT_EQ(AxisAt(90000), 40000);
}

// A measuring tool learns when the timeline began on the clock, and so when
// each change was due: written when it starts over from its beginning, not
// on a reacquire of a device that stays set up.
TEST_F(TimelineTest, ItsStartIsWrittenWhereAskedEachTimeItBegins) {
  TempFile file(Controller("    { TIMELINE\n      At=50\n      Axis0=40000\n    }\n"));
  const std::filesystem::path start = std::filesystem::path(file.Name()).parent_path() / "start.txt";
  const auto written = [&] {
    std::ifstream in(start, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  api = std::make_unique<TVirtualJoystick>(LoadVirtualControllers(file.Name()), &clock);
  api->ReportTimelineStart(start.u16string());
  joystick.Initialise(*api);
  EXPECT_EQ(written(), "500\n");
  clock.Advance(70);
  api->Acquire();
  EXPECT_EQ(written(), "500\n");
  joystick.Shutdown();
  joystick.Initialise(*api);
  EXPECT_EQ(written(), "570\n");
  // Its changes are due from the new start.
  EXPECT_EQ(AxisAt(119), 0);
  EXPECT_EQ(AxisAt(120), 40000);
}

TEST(ExampleControllerTest, IsATrainDeskWhoseThrottleGoesThroughItsNotchesAndBack) {
  const std::vector<TVirtualController> controllers = LoadVirtualControllers({});
  ASSERT_EQ(controllers.size(), 1u);
  const TVirtualController& desk = controllers[0];
  EXPECT_EQ(desk.Name, u"Quorvex Virtual Train Controller");
  std::vector<std::pair<TControlKind, int32_t>> controls;
  for (const TVirtualControl& c : desk.Controls) controls.emplace_back(c.Kind, c.Instance);
  std::vector<std::pair<TControlKind, int32_t>> expected;
  for (int32_t i = 0; i < 3; ++i) expected.emplace_back(TControlKind::Axis, i);
  for (int32_t i = 0; i < 12; ++i) expected.emplace_back(TControlKind::Button, i);
  expected.emplace_back(TControlKind::Hat, 0);
  EXPECT_EQ(controls, expected);
  EXPECT_TRUE(desk.Loop);

  // Replayed through the layer: the throttle climbs, peaks and comes back,
  // the brake moves, and some button is pressed.
  VirtualClock clock;
  TVirtualJoystick api(controllers, &clock);
  input::TJoystick joystick;
  joystick.Initialise(api);
  std::vector<int32_t> throttle;
  std::set<int32_t> brake;
  bool pressed = false;
  for (uint32_t t = 0; t < desk.Length; t += 50, clock.Advance(50)) {
    ASSERT_TRUE(joystick.Poll());
    if (throttle.empty() || throttle.back() != *JoyAxes[0].Value) throttle.push_back(*JoyAxes[0].Value);
    brake.insert(*JoyAxes[1].Value);
    for (int b = 0; b < JoyButtonCount; ++b)
      pressed = pressed || *JoyButtons[static_cast<size_t>(b)].Value != 0;
  }
  joystick.Shutdown();
  const auto peak = std::max_element(throttle.begin(), throttle.end());
  EXPECT_TRUE(std::is_sorted(throttle.begin(), peak + 1));
  EXPECT_TRUE(std::is_sorted(peak, throttle.end(), std::greater<>()));
  EXPECT_GE(peak - throttle.begin(), 4);
  EXPECT_EQ(throttle.front(), throttle.back());
  EXPECT_GE(brake.size(), 3u);
  EXPECT_TRUE(pressed);
}

}  // namespace
}  // namespace qv::sim
