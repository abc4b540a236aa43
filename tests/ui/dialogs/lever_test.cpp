// The lever windows' rules on their logic: taking rest values from the live
// lever, what each axis type keeps when shown, a working copy kept across a
// change of axis and dropped by Cancel, and fmAxisSettings' and
// fmPosSettings' loading, linking and storing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "ui/dialogs/AxisSettings.h"
#include "ui/dialogs/JoySettingsEditor.h"
#include "ui/dialogs/KeySettings.h"

namespace qv::ui::dialogs {
namespace {

std::vector<int32_t> Stored(const TJoySettingsEditor& editor) {
  std::vector<int32_t> values;
  for (int32_t i = 0; i < editor.Count(); ++i) values.push_back(std::stoi(ToUtf8(editor.Line(i))));
  return values;
}

std::vector<TJoyControlData> Axes(std::initializer_list<int32_t> indexes) {
  std::vector<TJoyControlData> axes;
  for (int32_t index : indexes) axes.push_back({.Name = u"Lever", .Index = index});
  return axes;
}

// A take within the margin of a stored value selects it; any other goes in
// ascending order and is selected; the 33rd is refused.
TEST(JoySettingsTakes, SameNotchSelectsOthersGoInAscendingAndTheThirtyThirdIsRefused) {
  struct Take {
    int32_t live, line;
  };
  struct Case {
    const char* what;
    int32_t noise;
    std::vector<Take> takes;
    std::vector<int32_t> stored;
  };
  // Noise 10 is a margin of 65535 * 10 / 1000 + 1 = 656.
  const Case cases[] = {
      {"high, low, middle", 10, {{60000, 0}, {1000, 0}, {30000, 1}}, {1000, 30000, 60000}},
      {"the same notch twice", 10, {{30000, 0}, {30000, 0}}, {30000}},
      {"at the margin: the same", 10, {{30000, 0}, {30656, 0}, {29344, 0}}, {30000}},
      {"past the margin: a new one", 10, {{30000, 0}, {30657, 1}, {29343, 0}}, {29343, 30000, 30657}},
      {"noise 0: only equal is the same", 0, {{500, 0}, {500, 0}, {501, 1}, {499, 0}}, {499, 500, 501}},
      {"the first of two in reach is chosen", 200, {{0, 0}, {20000, 1}, {10000, 0}}, {0, 20000}},
      {"equal values are not inserted before", 10, {{0, 0}, {65535, 1}, {32767, 1}}, {0, 32767, 65535}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto axes = Axes({0});
    TJoySettingsEditor editor;
    editor.Open(TJoySettings{}, axes);
    for (const Take& take : c.takes) {
      const auto result = editor.Take(take.live, c.noise);
      EXPECT_FALSE(result.Full);
      EXPECT_EQ(result.Line, take.line) << "take " << take.live;
    }
    EXPECT_EQ(Stored(editor), c.stored);
  }
  TJoySettingsEditor editor;
  const auto axes = Axes({0});
  editor.Open(TJoySettings{}, axes);
  for (int32_t i = 0; i < MaxPositions; ++i) EXPECT_EQ(editor.Take(i * 2000, 0).Line, i);
  const auto full = editor.Take(1, 0);
  EXPECT_TRUE(full.Full);
  EXPECT_EQ(full.Line, -1);
  EXPECT_EQ(editor.Count(), MaxPositions);
  EXPECT_EQ(Stored(editor).front(), 0) << "nothing stored by the refused take";
}

// Delete takes out the selected line and moves the rest up; no selection,
// or a line past the count, does nothing; the list never shows a line past
// the count.
TEST(JoySettingsTakes, DeleteAndDeleteAllKeepTheListWithinItsCount) {
  struct Case {
    int32_t line;
    std::vector<int32_t> left;
  };
  const Case cases[] = {
      {0, {200, 300}}, {1, {100, 300}}, {2, {100, 200}}, {-1, {100, 200, 300}}, {3, {100, 200, 300}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto axes = Axes({0});
    TJoySettingsEditor editor;
    editor.Open(TJoySettings{}, axes);
    for (int32_t v : {300, 100, 200}) editor.Take(v, 0);
    editor.Delete(c.line);
    EXPECT_EQ(Stored(editor), c.left);
    EXPECT_EQ(editor.Line(int32_t(c.left.size())), u"");
    editor.DeleteAll();
    EXPECT_EQ(editor.Count(), 0);
    EXPECT_EQ(editor.Line(0), u"");
    editor.Delete(0);
    EXPECT_EQ(editor.Count(), 0);
  }
}

// Unused and Analog drop the rest values when shown, and what a page does
// not show is left as it was.
TEST(JoySettingsAxes, EachTypeShowsItsFieldsAndOnlyMultiposKeepsRestValues) {
  struct Case {
    uint8_t type;
    int32_t count;
    int32_t page;
  };
  const Case cases[] = {{atUnused, 0, 0}, {atMultipos, 3, 1}, {atAnalog, 0, 2}, {7, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.type));
    TJoySettings settings;
    TAxisSettings& a = settings.Axes[0];
    a = {.Name = u"Brake",
         .Type = c.type,
         .Count = 3,
         .Value = {1, 2, 3},
         .Reverse = true,
         .HangPos = hpMax,
         .Neutral = 40000,
         .Threshold = 20};
    const auto axes = Axes({0});
    TJoySettingsEditor editor;
    editor.Open(settings, axes);
    EXPECT_EQ(editor.Count(), c.count);
    EXPECT_EQ(editor.Shown.Page, c.page);
    EXPECT_EQ(editor.Shown.Name, u"Brake");
    EXPECT_EQ(editor.Shown.Reverse, c.type == atMultipos);
    EXPECT_EQ(editor.Shown.Neutral, c.type == atAnalog ? 40000 : 0);
    // Switched to Analog and confirmed: the next opening shows no values.
    editor.Shown.Page = atAnalog;
    editor.Shown.Neutral = 100;
    TJoySettings confirmed = settings;
    editor.Confirm(confirmed, 10);
    EXPECT_EQ(confirmed.Axes[0].Type, atAnalog);
    EXPECT_EQ(confirmed.Axes[0].Neutral, 100);
    EXPECT_EQ(confirmed.Axes[0].Reverse, true) << "a Multipos field is left as it was";
    editor.Open(confirmed, axes);
    EXPECT_EQ(editor.Count(), 0);
  }
}

// Edits are kept in the working copy across a change of axis, each axis is
// its Index's entry, the choice outlives the window, and only OK writes.
TEST(JoySettingsAxes, ChangingAxisKeepsEditsByIndexAndCancelDropsThemAll) {
  TJoySettings settings;
  settings.Noise = 25;
  settings.Axes[0].Type = atMultipos;
  const auto axes = Axes({5, 0});  // list position 0 is the axis of Index 5
  TJoySettingsEditor editor;
  editor.Open(settings, axes);
  EXPECT_EQ(editor.Noise, 25);
  EXPECT_EQ(editor.Shown.Page, atUnused);
  editor.Shown = {.Name = u" \tThrottle\r\n", .Page = atMultipos, .HangPos = hpMin};
  editor.Take(1234, 10);
  editor.Choose(1);
  EXPECT_EQ(editor.Shown.Page, atMultipos) << "the entry of Index 0";
  editor.Shown.Name = u"Brake";
  editor.Choose(0);
  EXPECT_EQ(editor.Shown.Name, u"Throttle") << "trimmed of blanks and control characters";
  EXPECT_EQ(editor.Shown.HangPos, hpMin);
  EXPECT_EQ(Stored(editor), std::vector<int32_t>{1234});

  const TJoySettings before = settings;
  editor.Open(settings, axes);  // a cancelled window is opened afresh
  EXPECT_EQ(editor.Chosen(), 0);
  EXPECT_EQ(editor.Shown.Page, atUnused);
  EXPECT_EQ(editor.Count(), 0);
  EXPECT_EQ(settings.Axes[5].Count, before.Axes[5].Count);

  editor.Choose(1);
  editor.Shown.Name = u"Brake";
  editor.Open(settings, axes);
  EXPECT_EQ(editor.Chosen(), 1) << "the choice survives the next opening";
  editor.Shown.Name = u"Reverser";
  editor.Choose(0);
  editor.Confirm(settings, 0);
  EXPECT_EQ(settings.Axes[0].Name, u"Reverser");
  EXPECT_EQ(settings.Axes[5].Type, atUnused) << "the cancelled opening's edits are gone";
  EXPECT_EQ(settings.Axes[5].Name, u"");
  EXPECT_EQ(settings.Noise, 0);
}

// A controller without axes: nothing to choose or take, OK saves the noise.
TEST(JoySettingsAxes, NoAxesLeavesEveryAxisAndSavesOnlyTheNoise) {
  TJoySettings settings;
  settings.Axes[0] = {.Name = u"Kept", .Type = atMultipos, .Count = 1, .Value = {7}};
  TJoySettingsEditor editor;
  editor.Open(settings, {});
  EXPECT_FALSE(editor.HasAxis());
  EXPECT_EQ(editor.Count(), 0);
  EXPECT_EQ(editor.Take(100, 10).Line, -1);
  editor.Choose(0);
  editor.Shown.Name = u"Lost";
  editor.Confirm(settings, 150);
  EXPECT_EQ(settings.Noise, 150);
  EXPECT_EQ(settings.Axes[0].Name, u"Kept");
  EXPECT_EQ(settings.Axes[0].Count, 1);
}

// Limits to the tracker's segments, the link between the resync counts, and
// OK's writes with the renumbering that keeps each position's keys.
TEST(AxisSettings, LimitsFollowTheSegmentsAndTheLinkEndsItsOwnEcho) {
  struct Case {
    int32_t first, last;
    bool linked;
    bool firstSide;  // the change is typed into the first box
    int32_t typed;
    int32_t wantFirst, wantLast;
    bool echoed;
  };
  const Case cases[] = {
      {2, 2, true, true, 3, 3, 3, true},    {2, 2, true, false, 3, 3, 3, true},
      {2, 2, true, true, 2, 2, 2, false},   {1, 4, false, true, 3, 3, 4, false},
      {1, 4, false, false, 0, 1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << "/" << c.last << " typed " << c.typed);
    TProfileAxis axis;
    axis.ResyncFirst = c.first;
    axis.ResyncLast = c.last;
    TAxisSettingsEditor editor;
    editor.Load(axis, 5);
    EXPECT_EQ(editor.Linked(), c.linked);
    const bool echoed = c.firstSide ? editor.SetResyncFirst(c.typed) : editor.SetResyncLast(c.typed);
    EXPECT_EQ(echoed, c.echoed);
    // The shown copy sends its own change notice, which must end there.
    if (echoed) {
      EXPECT_FALSE(c.firstSide ? editor.SetResyncLast(editor.ResyncLast)
                               : editor.SetResyncFirst(editor.ResyncFirst));
    }
    EXPECT_EQ(editor.ResyncFirst, c.wantFirst);
    EXPECT_EQ(editor.ResyncLast, c.wantLast);
  }
  TProfileAxis axis;
  axis.ResyncFirst = 1;
  axis.ResyncLast = 9;
  TAxisSettingsEditor editor;
  editor.Load(axis, 5);
  editor.SetLinked(false);
  EXPECT_EQ(editor.ResyncLast, 9) << "clicked up: nothing changes";
  editor.SetLinked(true);
  EXPECT_EQ(editor.ResyncLast, 1) << "clicked down: the first copied into the last";

  struct Limit {
    int32_t stored, segments, shown;
  };
  for (const Limit& l : {Limit{7, 5, 5}, Limit{5, 5, 5}, Limit{3, 0, 0}, Limit{-2, 5, 0}}) {
    TProfileAxis a;
    a.PosLimit = l.stored;
    a.InitialPos = l.stored;
    TAxisSettingsEditor e;
    e.Load(a, l.segments);
    EXPECT_EQ(e.PosLimit, l.shown) << l.stored << " of " << l.segments;
    EXPECT_EQ(e.InitialPos, l.shown) << l.stored << " of " << l.segments;
  }
}

TEST(AxisSettings, OkWritesEveryFieldRenumbersAllPositionsAndMarksTheProfile) {
  for (bool reenumerate : {false, true}) {
    SCOPED_TRACE(reenumerate);
    ResetProfile();
    ClearModified();
    TProfileAxis& axis = ProfileAxes[2];
    axis.Position(1).UserIndex = -999;
    axis.Position(32).UserIndex = 5;
    axis.Position(32).Events.Press.Vkey = 0x41;
    TAxisSettingsEditor editor;
    editor.Load(axis, 4);
    EXPECT_FALSE(editor.Reenumerate);
    editor.Up.Load({.Vkey = 0x51});
    editor.Down.Load({.Vkey = 0x5A, .Repeat = 2});
    editor.PosLimit = 3;
    editor.InitialPos = 4;
    editor.SetResyncFirst(6);
    editor.SetResyncLast(2);
    editor.Reenumerate = reenumerate;
    EXPECT_FALSE(ProfileModified()) << "nothing written before OK";
    editor.Store();
    EXPECT_TRUE(ProfileModified());
    EXPECT_EQ(axis.Up.Vkey, 0x51);
    EXPECT_EQ(axis.Down.Repeat, 2);
    EXPECT_EQ(axis.PosLimit, 3);
    EXPECT_EQ(axis.InitialPos, 4);
    EXPECT_EQ(axis.ResyncLast, 2) << "linked at load: the last typed wins both";
    EXPECT_EQ(axis.ResyncFirst, 2);
    EXPECT_EQ(axis.Position(1).UserIndex, reenumerate ? 1 : -999);
    EXPECT_EQ(axis.Position(32).UserIndex, reenumerate ? 32 : 5);
    EXPECT_EQ(axis.Position(32).Events.Press.Vkey, 0x41) << "renumbering keeps the keys";
    editor.Load(axis, 4);
    EXPECT_FALSE(editor.Reenumerate) << "cleared at every opening";
  }
  ResetProfile();
  ClearModified();
}

// The per-lever timing fields: a stored value out of range (a hand-edited
// profile) shows within range, Cancel writes nothing, OK writes what was
// typed within range, and a measured hold fills both fields.
struct TimingCase {
  int32_t stored, shown, typed, written;
};
constexpr TimingCase StepTimeCases[] = {
    {0, 0, 115, 115}, {2500, 2000, 2001, 2000}, {-5, 0, -1, 0}, {60, 60, 2000, 2000}};

TEST(AxisSettings, TapHoldAndGapShowAndWriteWithinTheirRange) {
  for (const TimingCase& c : StepTimeCases) {
    SCOPED_TRACE(c.stored);
    ResetProfile();
    ClearModified();
    TProfileAxis& axis = ProfileAxes[1];
    axis.StepHold = c.stored;
    axis.StepGap = c.stored;
    TAxisSettingsEditor editor;
    editor.Load(axis, 4);
    EXPECT_EQ(editor.StepHold, c.shown);
    EXPECT_EQ(editor.StepGap, c.shown);
    editor.StepHold = c.typed;  // the gap is left as shown
    EXPECT_EQ(axis.StepHold, c.stored) << "nothing written before OK";
    editor.Store();
    EXPECT_EQ(axis.StepHold, c.written);
    EXPECT_EQ(axis.StepGap, c.shown);
    EXPECT_TRUE(ProfileModified());

    editor.Load(axis, 4);
    editor.TakeMeasured(c.typed);
    EXPECT_EQ(editor.StepHold, c.written) << "a measured hold fills both fields";
    EXPECT_EQ(editor.StepGap, c.written);
  }
  ResetProfile();
  ClearModified();
}

TEST(PosSettings, GateHoldShowsAndWritesWithinItsRange) {
  constexpr TimingCase cases[] = {
      {0, 0, 300, 300}, {3500, 3000, 3001, 3000}, {-1, 0, -20, 0}, {700, 700, 0, 0}};
  for (const TimingCase& c : cases) {
    SCOPED_TRACE(c.stored);
    ResetProfile();
    ClearModified();
    TAxisPosition& position = ProfileAxes[0].Position(4);
    position.GateHold = c.stored;
    TKeySettings settings;
    settings.Load(position);
    EXPECT_EQ(settings.GateHold, c.shown);
    settings.GateHold = c.typed;
    EXPECT_EQ(position.GateHold, c.stored) << "nothing written before OK";
    settings.Store();
    EXPECT_EQ(position.GateHold, c.written);
    EXPECT_EQ(position.UserIndex, 4) << "the notch number stays";
    EXPECT_TRUE(ProfileModified());
  }
  ResetProfile();
  ClearModified();
}

TEST(PosSettings, OkStoresTheNotchNumberWithinItsRangeAndTheKeys) {
  struct Case {
    int32_t typed, stored;
  };
  for (const Case& c : {Case{-999, -999}, Case{999, 999}, Case{-1000, -999}, Case{0, 0}}) {
    SCOPED_TRACE(c.typed);
    ResetProfile();
    ClearModified();
    TAxisPosition& position = ProfileAxes[0].Position(3);
    TKeySettings settings;
    settings.Load(position);
    EXPECT_EQ(settings.UserIndex, 3);
    settings.UserIndex = c.typed;
    settings.Keys.Frame(TButtonFrame::Hold).Load({.Vkey = 0x44});
    settings.Store();
    EXPECT_EQ(position.UserIndex, c.stored);
    EXPECT_EQ(position.Events.Hold.Vkey, 0x44);
    EXPECT_TRUE(ProfileModified());
  }
  ResetProfile();
  ClearModified();
}

}  // namespace
}  // namespace qv::ui::dialogs
