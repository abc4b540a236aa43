// The simulator's levers follow the physical ones: quorvex.exe with the
// example profile plays the example controller's timeline once, while the
// stand-in simulator in front stands in for the simulator's levers, each one
// that moves as far as its key is held (a notch for a press of five sixths
// of the lever's tap hold, as a hold-sensitive simulator does). Each stand-in
// lever must make the physical lever's moves, notch by notch and in order,
// and end in the physical lever's notch.
//
// Everything expected comes from the example files themselves: the levers,
// their keys, starting notches and tap holds from the profile, the notches
// from the joystick settings, the moves from the timeline.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "formats/Multilevel.h"
#include "sim/VirtualController.h"
#include "storage/JoySettingsFile.h"
#include "tests/app/win32/ProgramFixture.h"

namespace qv::test {
namespace {

using TMoves = std::vector<std::pair<int32_t, int32_t>>;  // from notch, to notch

// Longer than the taps of any one move of the example's levers take to go
// out (a whole travel with its resync taps, 60 ms each and 60 between).
constexpr uint32_t SettleMs = 2000;

// A lever of the profile with notches in the joystick settings.
struct TLever {
  int32_t Axis = 0;
  std::u16string Name;          // as the joystick settings name the axis
  std::vector<int32_t> Values;  // each notch's rest value, ascending
  int32_t Start = 0;            // the notch the program takes the simulator's lever to be in at first
  WORD UpScan = 0;
  WORD DownScan = 0;
  int32_t StepHold = 0;
};

WORD ScanOf(const TMultilevel& axis, std::string_view key) {
  const TMultilevel* section = axis.FindSection(key);
  return section == nullptr ? 0 : static_cast<WORD>(section->ReadInteger("ScanCode", 0));
}

// Reads the joystick settings (JoySettings) before the profile's levers.
std::vector<TLever> ProfileLevers(const fs::path& profile, const fs::path& joySettings) {
  JoySettings = TJoySettings{};
  EXPECT_EQ(LoadJoySettings(joySettings.u16string()), u"");
  TMultilevel document;
  document.LoadFromFile(profile.u16string());
  std::vector<TLever> levers;
  const TMultilevel* axes = document.FindSection("AXES");
  if (axes == nullptr) return levers;
  for (const auto& axis : axes->Sections) {
    const int32_t index = axis->ReadInteger("Index", -1);
    if (index < 0 || index >= MaxAxes) continue;
    const TAxisSettings& settings = JoySettings.Axes[static_cast<size_t>(index)];
    if (settings.Type != atMultipos) continue;
    TLever lever;
    lever.Axis = index;
    lever.Name = settings.Name;
    lever.Values.assign(settings.Value.begin(), settings.Value.begin() + settings.Count);
    lever.Start = axis->ReadInteger("InitialPos", 1) - 1;
    lever.UpScan = ScanOf(*axis, "UP");
    lever.DownScan = ScanOf(*axis, "DOWN");
    lever.StepHold = axis->ReadInteger("StepHold", 0);
    levers.push_back(lever);
  }
  return levers;
}

int32_t NearestNotch(const std::vector<int32_t>& values, int32_t value) {
  int32_t best = 0;
  for (size_t i = 1; i < values.size(); ++i)
    if (std::abs(values[i] - value) < std::abs(values[static_cast<size_t>(best)] - value))
      best = static_cast<int32_t>(i);
  return best;
}

// The physical lever's moves through the timeline from the lever's starting
// notch, one notch at a time: the simulator's lever crosses every notch of
// a longer move too.
TMoves PhysicalMoves(const sim::TVirtualController& controller, const TLever& lever) {
  TMoves moves;
  int32_t notch = lever.Start;
  for (const sim::TTimelineEvent& event : controller.Timeline) {
    const sim::TVirtualControl& control = controller.Controls[event.Control];
    if (control.Kind != sim::TControlKind::Axis || control.Instance != lever.Axis) continue;
    const int32_t to = NearestNotch(lever.Values, event.Value);
    for (; notch != to; notch += to > notch ? 1 : -1)
      moves.emplace_back(notch, notch + (to > notch ? 1 : -1));
  }
  return moves;
}

TMoves StandInMoves(const std::vector<sim::TLeverLogEntry>& log, const TLever& lever) {
  TMoves moves;
  for (const sim::TLeverLogEntry& entry : log)
    if (entry.Lever == ToUtf8(lever.Name)) moves.emplace_back(entry.From, entry.To);
  return moves;
}

class LeverFollowTest : public ProgramTest {
 protected:
  void TearDown() override {
    SetEnvironmentVariableW(L"QUORVEX_TIMELINE_START", nullptr);
    ProgramTest::TearDown();
  }

  // The example controller with its timeline played once instead of looping.
  sim::TVirtualController ExampleControllerPlayedOnce() {
    std::ifstream in(fs::path(BesideTests(L"virtual-train-controller.ml")), std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    const size_t loop = text.find("Loop=1");
    EXPECT_NE(loop, std::string::npos);
    if (loop != std::string::npos) text.replace(loop, 6, "Loop=0");
    const fs::path file = home / "played-once.ml";
    std::ofstream(file, std::ios::binary) << text;
    SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", file.wstring().c_str());
    return sim::LoadVirtualControllers(file.u16string()).at(0);
  }

  // The tick count at which the program's controller timeline began.
  std::optional<uint32_t> TimelineStart(const fs::path& file) {
    std::optional<uint32_t> tick;
    WaitUntil(
        [&] {
          uint32_t value = 0;
          if (std::ifstream(file) >> value) tick = value;
          return tick.has_value();
        },
        30000);
    return tick;
  }
};

TEST_F(LeverFollowTest, TheStandInLeversMakeThePhysicalLeversMovesThroughTheExampleTimeline) {
  const fs::path profile = home / "virtual-train-controller.qvprof";
  fs::copy_file(BesideTests(L"virtual-train-controller.qvprof"), profile);
  const std::vector<TLever> levers = ProfileLevers(profile, home / "default.qvjoy");
  ASSERT_EQ(levers.size(), 2u) << "the example's throttle and brake";
  std::wstring options;
  for (const TLever& lever : levers) {
    // Without a tap hold the taps are instant, and a hold-sensitive
    // simulator's lever would not move at all.
    ASSERT_GT(lever.StepHold, 5) << "lever " << lever.Axis << " has no tap hold";
    options += StandInLeverOption(std::wstring(lever.Name.begin(), lever.Name.end()), lever.UpScan,
                                  lever.DownScan, static_cast<int>(lever.Values.size()),
                                  StandInNotchHold(lever.StepHold), lever.Start);
  }
  const sim::TVirtualController controller = ExampleControllerPlayedOnce();
  ASSERT_FALSE(controller.Loop);
  const fs::path startFile = home / "timeline-start.txt";
  SetEnvironmentVariableW(L"QUORVEX_TIMELINE_START", startFile.wstring().c_str());

  StartSimulator(options);
  // From the tray, polling from the start with the simulator in front.
  ChildProcess& program = Start({profile});
  ASSERT_TRUE(program.Started());
  const std::optional<uint32_t> start = TimelineStart(startFile);
  ASSERT_TRUE(start.has_value()) << "the program did not say when its timeline began";
  // The timeline has ended and the taps of its last moves have gone out.
  const uint32_t end = *start + controller.Length + SettleMs;
  ASSERT_TRUE(WaitUntil([&] { return static_cast<int32_t>(GetTickCount() - end) >= 0; },
                        controller.Length + SettleMs + 30000));
  const std::vector<sim::TLeverLogEntry> log = ReadLeverLog(home / "keys.log");
  ASSERT_TRUE(Close(program));

  for (const TLever& lever : levers) {
    const TMoves physical = PhysicalMoves(controller, lever);
    EXPECT_FALSE(physical.empty()) << "the timeline moves lever " << lever.Axis;
    const TMoves standIn = StandInMoves(log, lever);
    EXPECT_EQ(standIn, physical) << "lever " << lever.Axis;
    const int32_t physicalEnd = physical.empty() ? lever.Start : physical.back().second;
    EXPECT_EQ(standIn.empty() ? lever.Start : standIn.back().second, physicalEnd) << "lever " << lever.Axis;
  }
}

}  // namespace
}  // namespace qv::test
