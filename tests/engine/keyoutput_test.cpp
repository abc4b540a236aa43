#include <vector>

#include "EngineFixture.h"

namespace qv::test {
namespace {

using KeyOutputTest = EngineTest;

TEST_F(KeyOutputTest, RecordsCarryVkeyScanAndFlags) {
  TKeyAction a = Key(0x41);
  EXPECT_EQ(KeyRecord(a, false), Down(0x41, 0x1E));  // scan code from the layout
  a.ScanCode = 0x48;
  a.Extended = true;
  EXPECT_EQ(KeyRecord(a, true), Up(0x41, 0x48, KeyFlagExtended));  // the action's own scan code wins
}

TEST_F(KeyOutputTest, TapPressesModifiersAscendingAndReleasesDescending) {
  Tap(Key(0x41, modShift | modRCtrl | modWin), 1);
  const std::vector<TKeyInput> expected{
      Down(0xA0, 0x2A),
      Down(0x5B, 0x5B, KeyFlagExtended),
      Down(0xA3, 0x1D, KeyFlagExtended),
      Down(0x41, 0x1E),
      Up(0x41, 0x1E),
      Up(0xA3, 0x1D, KeyFlagExtended),
      Up(0x5B, 0x5B, KeyFlagExtended),
      Up(0xA0, 0x2A),
  };
  EXPECT_EQ(keyboard.Inputs(), expected);
  const std::vector<sim::TRecorded> records = keyboard.Records();
  // Without TapPause the down and up of a repetition travel in one call.
  EXPECT_EQ(records[3].Batch, records[4].Batch);
  EXPECT_NE(records[2].Batch, records[3].Batch);
}

TEST_F(KeyOutputTest, AllNineModifiersUseTheirTableRows) {
  PressModifiers(0x1FF);
  const std::vector<TKeyInput> expected{
      Down(0xA0, 0x2A), Down(0xA2, 0x1D),    Down(0xA4, 0x38),    Down(0x5B, 0x5B, 1), Down(0x5D, 0x5D, 1),
      Down(0xA1, 0x36), Down(0xA3, 0x1D, 1), Down(0xA5, 0x38, 1), Down(0x5C, 0x5C, 1),
  };
  EXPECT_EQ(keyboard.Inputs(), expected);
  ReleaseModifiers(0x1FF);
  EXPECT_TRUE(keyboard.KeysDown().empty());
}

TEST_F(KeyOutputTest, RepeatMultipliesTapCount) {
  Tap(Key(0x41, 0, 3), 2);
  EXPECT_EQ(keyboard.Count(), 12u);
  keyboard.Clear();
  Tap(Key(0x41, modCtrl), 0);  // modifiers still go down and up
  EXPECT_EQ(keyboard.Inputs(), (std::vector<TKeyInput>{Down(0xA2, 0x1D), Up(0xA2, 0x1D)}));
}

TEST_F(KeyOutputTest, CommandTapRunsOnceWithRepeatOfAtLeastOne) {
  int32_t calls = 0, last = 0;
  EngineHooks.SysCommand = [&](bool, int32_t, int32_t count) { ++calls, last = count; };
  const struct { int32_t Repeat, Count; } cases[] = {{5, 5}, {1, 1}, {0, 1}, {-5, 1}};
  for (const auto& c : cases) {
    TKeyAction command;
    command.SysCmd = 16;
    command.Repeat = c.Repeat;
    Tap(command, 3);
    EXPECT_EQ(last, c.Count) << c.Repeat;
  }
  EXPECT_EQ(calls, 4);
}

TEST_F(KeyOutputTest, HoldWithRepeatFiveSendsOneKeyDown) {
  TKeyEvents e;
  e.Hold = Key(0x41, 0, 5);
  EnterState(e, true);
  EXPECT_EQ(keyboard.Inputs(), (std::vector<TKeyInput>{Down(0x41, 0x1E)}));
}

// When each record of a tap goes out: ShiftPause only before modifiers go
// up, TapPause before every down and between down and up, and pauses from a
// file bounded to a second while the values stay as read.
TEST_F(KeyOutputTest, PausesFallWhereTheyBelongAndAreBounded) {
  struct Case {
    const char* name;
    int32_t shiftPause, tapPause;
    uint16_t modifiers;
    int64_t count;
    std::vector<uint32_t> times;  // of every record, from the start
  };
  const Case cases[] = {
      {"no modifiers: no shift pause", 50, 0, 0, 1, {0, 0}},
      {"Alt goes up after the shift pause", 50, 0, modAlt, 1, {0, 0, 0, 50}},
      {"tap pause before every down and up", 0, 20, 0, 3, {20, 40, 60, 80, 100, 120}},
      {"pauses from a file", 100000, 2147483647, modShift, 1, {0, 1000, 2000, 3000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    keyboard.Clear();
    ShiftPause = c.shiftPause;
    TapPause = c.tapPause;
    const uint32_t start = clock.Now();
    Tap(Key(0x41, c.modifiers), c.count);
    DrainSchedule();
    std::vector<uint32_t> times;
    for (const sim::TRecorded& r : keyboard.Records()) times.push_back(r.Time - start);
    EXPECT_EQ(times, c.times);
    EXPECT_EQ(clock.Now() - start, c.times.back());
    EXPECT_EQ(TapPause, c.tapPause);
  }
  ShiftPause = TapPause = 0;
}

// Ticks after each advance of the clock, and the key downs sent by then.
struct RepeatStep {
  uint32_t Advance;
  int Ticks;
  size_t Downs;
};

TEST_F(KeyOutputTest, AutoRepeatAfter500ThenEvery100WithoutBacklogAcrossTheTickCountWrap) {
  // A thread 1 s late repeats once, then 100 ms from then.
  const RepeatStep steps[] = {{499, 1, 0}, {1, 1, 1}, {99, 1, 1}, {1, 1, 2}, {1000, 2, 3}, {100, 1, 4}};
  // From the second start the second repeat falls due exactly as the tick count wraps.
  for (const uint32_t start : {1000u, 0xFFFFFDA8u}) {
    SCOPED_TRACE(start);
    sim::VirtualClock at(start);
    InstallSeams(&keyboard, &layout, &at);
    keyboard.Clear();
    RegisterAutoRepeat(Key(0x41, modCtrl));
    EXPECT_EQ(AutoRepeatKey().Modifiers, 0);
    for (const RepeatStep& s : steps) {
      at.Advance(s.Advance);
      for (int i = 0; i < s.Ticks; ++i) AutoRepeatTick();
      EXPECT_EQ(keyboard.Count(), s.Downs) << at.Now();
    }
    // Key downs only: no modifiers, no up.
    EXPECT_EQ(keyboard.Inputs().back(), Down(0x41, 0x1E));
    StopAutoRepeat();
    at.Advance(1000);
    AutoRepeatTick();
    EXPECT_EQ(keyboard.Count(), 4u);
  }
  InstallSeams(&keyboard, &layout, &clock);
}

TEST_F(KeyOutputTest, OneRepeatSlotForTwoLevers) {
  TKeyEvents first, second;
  first.Hold = Key(0x41);
  second.Hold = Key(0x44);
  EnterState(first, true);
  clock.Advance(200);
  EnterState(second, true);
  EXPECT_EQ(AutoRepeatKey().Vkey, 0x44);
  clock.Advance(400);
  AutoRepeatTick();  // 600 ms after A, 400 after D: nothing yet
  EXPECT_EQ(keyboard.Count(), 2u);
  clock.Advance(100);
  AutoRepeatTick();
  EXPECT_EQ(keyboard.Inputs().back(), Down(0x44, 0x20));
  // Re-registering the repeating key changes nothing; leaving any repeatable hold stops it.
  RegisterAutoRepeat(second.Hold);
  LeaveState(first, true);
  EXPECT_EQ(AutoRepeatKey().Vkey, 0);
}

TEST_F(KeyOutputTest, WhichKeysRepeat) {
  for (int32_t vk : {0, 16, 17, 18, 19, 20, 42, 91, 92, 93, 144, 145, 161})
    EXPECT_FALSE(IsRepeatable(Key(vk))) << vk;
  for (int32_t vk : {0x41, 0x26, 160, 162, 94}) EXPECT_TRUE(IsRepeatable(Key(vk))) << vk;
  TKeyAction byScan;
  byScan.ScanCode = 0x1E;
  EXPECT_FALSE(IsRepeatable(byScan));
  RegisterAutoRepeat(Key(16));
  EXPECT_EQ(AutoRepeatKey().Vkey, 0);
}

TEST_F(KeyOutputTest, ActionText) {
  EXPECT_EQ(ActionText(TKeyAction{}), u"");
  TKeyAction a;
  a.ScanCode = 0x1E;
  a.Modifiers = modShift | modRAlt;
  EXPECT_EQ(ActionText(a), u"Shift+RAlt+A");
  a.Extended = true;
  a.ScanCode = 0x48;
  a.Modifiers = 0;
  EXPECT_EQ(ActionText(a), u"Up");
  EXPECT_EQ(ActionText(Key(0x7C, modCtrl)), u"Ctrl+VK=124");
  EngineHooks.VkeyName = [](int32_t vk) { return vk == 0x7C ? std::u16string(u"F13") : std::u16string(); };
  EngineHooks.SysCmdName = [](int32_t) { return std::u16string(u"SoundOff"); };
  EXPECT_EQ(ActionText(Key(0x7C)), u"F13");
  TKeyAction command;
  command.SysCmd = 15;
  EXPECT_EQ(ActionText(command), u"SoundOff");
}

}  // namespace
}  // namespace qv::test
