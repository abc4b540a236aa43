// The control tree over a stand-in joystick: which rows exist, what each one
// shows in every state, and how the position rows follow the trackers.
#include "ui/ControlTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/Evaluate.h"
#include "engine/Profile.h"
#include "engine/Seams.h"
#include "engine/Tracker.h"
#include "lang/TextCatalog.h"
#include "sim/StandInDevice.h"
#include "sim/UsLayout.h"
#include "tests/ui/FakeList.h"
#include "ui/Captions.h"
#include "ui/RowHints.h"

namespace qv::ui {
namespace {

struct Device : TDeviceView {
  std::u16string Name() const override { return u"Pad"; }
  bool ReadOk() const override { return readOk; }
  bool BindingMissing() const override { return missing; }
  bool readOk = true;
  bool missing = false;
};

// Ops as one line: icons by resource name, texts quoted, "*" a bold switch,
// "_" half a row of space, ">" an indented icon.
std::string Show(const TRowOps& ops) {
  std::string out;
  for (const TDrawOp& op : ops) {
    if (!out.empty()) out += ' ';
    switch (op.Kind) {
      case TDrawKind::Icon:
        out += IconInfo(op.Icon).Resource;
        break;
      case TDrawKind::IndentedIcon:
        out += ">" + std::string(IconInfo(op.Icon).Resource);
        break;
      case TDrawKind::Text:
        out += "'" + ToUtf8(op.Text) + "'";
        break;
      case TDrawKind::ToggleBold:
        out += "*";
        break;
      case TDrawKind::HalfGap:
        out += "_";
        break;
    }
  }
  return out;
}

TKeyAction Key(int32_t vk, int32_t scan, int32_t repeat = 1) {
  TKeyAction a;
  a.Vkey = vk;
  a.ScanCode = scan;
  a.Repeat = repeat;
  return a;
}

class ControlTree : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallSeams(nullptr, &layout, nullptr);
    Captions = {};
    Captions.CaptionDirect = u"Positions";
    Captions.AxisTemplate1 = u"Pos ";
    Captions.AxisTemplate2 = u"%d/%d";
    Captions.AxisTemplate3 = u" %s [%d]";
    Captions.KeyMultiple = u"%s x%d";
    JoySettings = TJoySettings{};
    Attach(2, 3, 1);
  }
  void TearDown() override { InstallSeams(nullptr, nullptr, nullptr); }

  void Attach(int axes, int buttons, int hats) {
    device.Attach(axes, buttons, hats);
    ResetProfile();
    // Axis 0 a five-notch lever, the rest not evaluated.
    JoySettings.Axes[0].Type = atMultipos;
    JoySettings.Axes[0].Count = 5;
    for (int p = 0; p < 5; ++p) JoySettings.Axes[0].Value[size_t(p)] = 1000 + p * 15000;
    Start();
  }
  // What starting the poll thread does to the tables.
  void Start() {
    RebuildTrackers();
    Synchronise(TSyncMode::Full);
    ResetRunTimeState();
    Evaluate(false);
  }
  void Build() {
    BuildControlTree(tree);
    RebuildPositionRows(tree);
    tree.AttachList(&list);
  }
  std::string Content(const TTreeItem* item) {
    TRowOps ops;
    dynamic_cast<const TVisRow&>(*item).Content(ops, view);
    return Show(ops);
  }
  // The visible row of class T for that control (and position or direction).
  template <class T>
  T* Find(int control, int32_t detail = -1) {
    for (int32_t r = 0; r < tree.RowCount(); ++r) {
      auto* row = dynamic_cast<T*>(tree.Row(r).Item);
      if (row && Id(*row, 0) == control && (detail < 0 || Id(*row, 1) == detail)) return row;
    }
    return nullptr;
  }
  static int Id(const TVisAxis& r, int) { return r.Axis(); }
  static int Id(const TAxisDirectNode& r, int) { return r.Axis(); }
  static int Id(const TVisPos& r, int part) { return part ? r.Position() : r.Axis(); }
  static int Id(const TVisHat& r, int) { return r.Hat(); }
  static int Id(const THatDirectNode& r, int) { return r.Hat(); }
  static int Id(const TVisHatPos& r, int part) { return part ? r.Direction() : r.Hat(); }
  static int Id(const TVisButton& r, int) { return r.Button(); }
  // The row a content case names (see ContentCase).
  const TTreeItem* RowOf(char row, int detail) {
    switch (row) {
      case 'a':
        return Find<TVisAxis>(0);
      case 'f':
      case 'F':
        return Find<TAxisDirectNode>(0);
      case 'p':
        return Find<TVisPos>(0, detail);
      case 'h':
        return Find<TVisHat>(0);
      case 'g':
        return Find<THatDirectNode>(0);
      case 'd':
        return Find<TVisHatPos>(0, detail);
      case 'b':
      case 'B':
        return Find<TVisButton>(0);
      default:
        return tree.Row(0).Item;
    }
  }
  std::vector<std::string> RowTexts() {
    std::vector<std::string> rows;
    for (int32_t r = 0; r < tree.RowCount(); ++r) rows.push_back(Content(tree.Row(r).Item));
    return rows;
  }

  sim::UsLayout layout;
  sim::TStandInDevice device;
  Device view;
  TTreeList tree;
  test::FakeList list;
};

TEST_F(ControlTree, RowsFollowTheDeviceAndHeadingsReadCaptionsLoadedLater) {
  Build();
  Captions.CaptionAxes = u"Axes";
  Captions.CaptionHats = u"Hats";
  Captions.CaptionButtons = u"Buttons";
  EXPECT_EQ(RowTexts(), (std::vector<std::string>{
                            "LIST_BTN1 'Pad'",
                            "LIST_FOLDER 'Axes'",
                            "LIST_AXIS 'Pos ' * '1/5' * ' Axis [0]'",
                            "LIST_COLLAPSED 'Positions' _",
                            "LIST_CROSS 'Axis'",
                            "LIST_FOLDER 'Hats'",
                            "HAT_OFF 'Hat'",
                            "LIST_COLLAPSED 'Positions' _",
                            "LIST_FOLDER 'Buttons'",
                            "LIST_BTN0 'Button'",
                            "LIST_BTN0 'Button'",
                            "LIST_BTN0 'Button'",
                        }));
  EXPECT_EQ(tree.LeafTotal(), 1 + 5 + 8 + 3);
}

TEST_F(ControlTree, ADeviceWithoutHatsOrButtonsHasNoSuchHeadings) {
  Attach(1, 0, 0);
  Build();
  ASSERT_EQ(tree.RowCount(), 4);
  EXPECT_NE(dynamic_cast<TSubtitleNode*>(tree.Row(1).Item), nullptr);
  EXPECT_EQ(dynamic_cast<TSubtitleNode*>(tree.Row(3).Item), nullptr);
}

TEST_F(ControlTree, FewerPositionsReplaceTheRowsAndKeepTheSelection) {
  Build();
  Find<TAxisDirectNode>(0)->Expand();
  ASSERT_NE(Find<TVisPos>(0, 5), nullptr);
  const TTreeItem* button = Find<TVisButton>(2);
  tree.SelectRow(tree.IndexOf(button));
  list.SetTopRow(3);
  JoySettings.Axes[0].Count = 3;
  Start();
  RebuildPositionRowsKeepingSelection(tree);
  EXPECT_EQ(Find<TVisPos>(0, 4), nullptr);
  EXPECT_NE(Find<TVisPos>(0, 3), nullptr);
  EXPECT_EQ(tree.SelectedItem(), button);
  EXPECT_EQ(list.TopRow(), 3);

  // A selected position that goes away hands the selection to the last one left.
  tree.SelectRow(tree.IndexOf(Find<TVisPos>(0, 3)));
  JoySettings.Axes[0].Count = 2;
  Start();
  RebuildPositionRowsKeepingSelection(tree);
  EXPECT_EQ(tree.SelectedItem(), Find<TVisPos>(0, 2));

  // An axis no longer evaluated loses its folder.
  JoySettings.Axes[0].Type = atUnused;
  Start();
  RebuildPositionRowsKeepingSelection(tree);
  EXPECT_EQ(Find<TAxisDirectNode>(0), nullptr);
  EXPECT_EQ(tree.SelectedItem(), Find<TVisAxis>(0));
}

struct ContentCase {
  const char* name;
  void (*setup)();
  // Which row: 'j' joystick, 'a' axis 0, 'f' its folder, 'p' position N,
  // 'h' hat 0, 'g' its folder, 'd' direction N, 'b' button 0.
  char row;
  int detail;
  const char* expected;
};

TProfileAxis& Lever() { return ProfileAxes[0]; }

const ContentCase kContent[] = {
    {"compatibility pause", [] { TapPause = 5; }, 'j', 0, "LIST_COMPAT 'Pad'"},
    {"bound device missing", [] {}, 'J', 0, "LIST_BTN1 LIST_EXCLAMATION 'Pad'"},
    {"unreadable device", [] {}, 'x', 0, "LIST_CROSS 'Pad'"},
    {"axis waiting to park", [] { Lever().Synced = false, Lever().InitialPos = 3; }, 'a', 0,
     "LIST_PARK 'Pos ' * '1/5' * ' Axis [0]'"},
    {"axis named by the user under its instance number, with step keys",
     [] {
       JoyAxes[0].Index = 2;
       JoySettings.Axes[2].Name = u"Throttle";
       Lever().Up = Key(0x57, 0x11);
       Lever().Down = Key(0x53, 0x1F, 2);
     },
     'a', 0, "LIST_AXIS 'Pos ' * '1/5' * ' Throttle [2]' >LIST_PLUS 'W' >LIST_MINUS 'S x2'"},
    {"current position", [] {}, 'p', 1, "LIST_BTN1 '1'"},
    {"current position in a hanging zone", [] { AxisTrackers[0].OutOfRange = true; }, 'p', 1,
     "LIST_BTN2 '1'"},
    {"current position is the one to park at", [] { Lever().Synced = false, Lever().InitialPos = 1; }, 'p', 1,
     "LIST_PARKOK '1'"},
    {"another position is the one to park at", [] { Lever().Synced = false, Lever().InitialPos = 2; }, 'p', 2,
     "LIST_PARK '2'"},
    {"remapped position with keys",
     [] {
       Lever().Remapped = true;
       Lever().Position(2).UserIndex = 7;
       Lever().Position(2).Events.Press = Key(0x57, 0x11, 3);
       Lever().Position(2).Events.Release = Key(0x41, 0x1E);
     },
     'p', 2, "LIST_BTN0 '2' >LIST_CHART '7' >LIST_PRESS 'W x3' >LIST_RELEASE 'A'"},
    {"collapsed folder marks", [] { Lever().Remapped = Lever().HasPosKeys = true; }, 'f', 0,
     "LIST_COLLAPSED 'Positions' _ LIST_CHART LIST_PRESS"},
    {"open folder has no marks", [] { Lever().Remapped = Lever().HasPosKeys = true; }, 'F', 0,
     "LIST_EXPANDED 'Positions'"},
    {"hat pointing east", [] { HatCurrentDir[0] = 2; }, 'h', 0, "HAT_E 'Hat'"},
    {"lit direction", [] { HatCurrentDir[0] = 2; }, 'd', 2, "HAT_E"},
    {"dim direction with a held key",
     [] {
       HatCurrentDir[0] = 2;
       ProfileHats[0].Directions[7].Hold = Key(0x44, 0x20);
     },
     'd', 7, "HAT0_NW >LIST_HOLD 'D'"},
    {"hat folder holding keys", [] { ProfileHats[0].HasKeys = true; }, 'g', 0,
     "LIST_COLLAPSED 'Positions' _ LIST_PRESS"},
    {"pressed button", [] { ButtonLastState[0] = 1; }, 'B', 0, "LIST_BTN1 'Button'"},
    {"button parked pressed and pressed",
     [] { ProfileButtons[0].Synced = false, ProfileButtons[0].ParkPos = ppPress; }, 'B', 0,
     "LIST_PARKOK 'Button'"},
    {"button parked released but pressed",
     [] { ProfileButtons[0].Synced = false, ProfileButtons[0].ParkPos = ppRelease; }, 'B', 0,
     "LIST_PARK 'Button'"},
};

TEST_F(ControlTree, EachRowShowsItsState) {
  Build();
  for (const ContentCase& c : kContent) {
    SCOPED_TRACE(c.name);
    Attach(2, 3, 1);
    TapPause = 0;
    for (TAxisSettings& axis : JoySettings.Axes) axis.Name.clear();
    view.readOk = c.row != 'x';
    view.missing = c.row == 'J';
    // Upper case stands for the pressed or opened variant of the row.
    device.Button(0, c.row == 'B');
    ReadControls();
    c.setup();
    Find<TAxisDirectNode>(0)->Collapse();
    if (c.row == 'F' || c.row == 'p') Find<TAxisDirectNode>(0)->Expand();
    Find<THatDirectNode>(0)->Expand();
    const TTreeItem* row = RowOf(c.row, c.detail);
    ASSERT_NE(row, nullptr);
    if (c.row == 'g') Find<THatDirectNode>(0)->Collapse();
    EXPECT_EQ(Content(row), c.expected);
  }
}

TEST_F(ControlTree, DoubleClickActsByRowClass) {
  Build();
  Find<TAxisDirectNode>(0)->Expand();
  Find<THatDirectNode>(0)->Expand();
  struct Case {
    const TTreeItem* row;
    TRowCommand command;
    int control;
    int32_t detail;
  };
  const Case cases[] = {
      {tree.Row(0).Item, TRowCommand::Compatibility, -1, -1},
      {tree.Row(1).Item, TRowCommand::None, -1, -1},
      {Find<TVisAxis>(0), TRowCommand::AxisSettings, 0, -1},
      {Find<TVisAxis>(1), TRowCommand::None, -1, -1},  // not evaluated
      {Find<TAxisDirectNode>(0), TRowCommand::ToggleFolder, -1, -1},
      {Find<TVisPos>(0, 4), TRowCommand::PosSettings, 0, 4},
      {Find<TVisHat>(0), TRowCommand::None, -1, -1},
      {Find<THatDirectNode>(0), TRowCommand::ToggleFolder, -1, -1},
      {Find<TVisHatPos>(0, 6), TRowCommand::HatPosSettings, 0, 6},
      {Find<TVisButton>(2), TRowCommand::ButtonSettings, 2, -1},
      {nullptr, TRowCommand::None, -1, -1},
  };
  for (const Case& c : cases) {
    const TRowAction action = RowActionFor(c.row);
    EXPECT_EQ(int(action.Command), int(c.command));
    EXPECT_EQ(action.Control, c.control);
    EXPECT_EQ(action.Detail, c.detail);
  }
}

// Records what the painter would draw, with text one unit per character.
struct RecordingCanvas : TRowCanvas {
  int TextWidth(const std::u16string& text) override { return int(text.size()) * 10; }
  void DrawText(int x, const std::u16string& text) override {
    drawn.push_back("T" + std::to_string(x) + ToUtf8(text));
  }
  void DrawIcon(int x, int y, TIcon icon) override {
    drawn.push_back("I" + std::to_string(x) + "," + std::to_string(y) + std::string(IconInfo(icon).Resource));
  }
  void SetBold(bool bold) override { drawn.push_back(bold ? "B" : "b"); }
  std::vector<std::string> drawn;
};

TEST(RowLayout, IndentsCentresAndStopsAtTheRightEdge) {
  const TRowOps ops = {{TDrawKind::Icon, TIcon::Minus, {}},        {TDrawKind::ToggleBold, TIcon::Folder, {}},
                       {TDrawKind::Text, TIcon::Folder, u"ab"},    {TDrawKind::HalfGap, TIcon::Folder, {}},
                       {TDrawKind::IndentedIcon, TIcon::Hold, {}}, {TDrawKind::Text, TIcon::Folder, u"cut"},
                       {TDrawKind::Icon, TIcon::Press, {}}};
  RecordingCanvas canvas;
  // Row height 16 at level 2: the cursor starts at 3 + 2 * 12 = 27; the text
  // that starts inside the row is drawn (and clipped), the icon after it not.
  ExecuteRow(ops, canvas, {0, 0, 131, 16, 2, false});
  EXPECT_EQ(canvas.drawn,
            (std::vector<std::string>{"I27,5LIST_MINUS", "B", "T40ab", "I84,4LIST_HOLD", "T106cut", "b"}));
}

// The icon under the mouse is the one the painter drew there: the same
// layout, text and gaps between icons being no icon.
TEST(RowLayout, TheIconUnderAPointIsTheOneDrawnThere) {
  const TRowOps ops = {{TDrawKind::Icon, TIcon::Minus, {}},        {TDrawKind::ToggleBold, TIcon::Folder, {}},
                       {TDrawKind::Text, TIcon::Folder, u"ab"},    {TDrawKind::HalfGap, TIcon::Folder, {}},
                       {TDrawKind::IndentedIcon, TIcon::Hold, {}}, {TDrawKind::Text, TIcon::Folder, u"cut"},
                       {TDrawKind::Icon, TIcon::Press, {}}};
  const TRowBox box{0, 0, 131, 16, 2, false};
  RecordingCanvas drawn;
  ExecuteRow(ops, drawn, box);
  // Where the painter put the two icons it drew (see the layout above).
  const int minus = 27, minusEnd = minus + IconInfo(TIcon::Minus).Width;
  const int hold = 84, holdEnd = hold + IconInfo(TIcon::Hold).Width;
  ASSERT_EQ(drawn.drawn[0], "I27,5LIST_MINUS");
  ASSERT_EQ(drawn.drawn[3], "I84,4LIST_HOLD");
  struct Case {
    int x;
    std::optional<TIcon> icon;
  };
  const Case cases[] = {
      {minus - 1, std::nullopt}, {minus, TIcon::Minus},      {minusEnd - 1, TIcon::Minus},
      {minusEnd, std::nullopt},  {50, std::nullopt},  // the text
      {hold, TIcon::Hold},       {holdEnd - 1, TIcon::Hold}, {120, std::nullopt},
      {200, std::nullopt},  // the icon past the edge was never drawn
  };
  for (const Case& c : cases) {
    RecordingCanvas canvas;
    const std::optional<TIcon> icon = IconAt(ops, canvas, box, c.x);
    EXPECT_EQ(icon ? int(*icon) : -1, c.icon ? int(*c.icon) : -1) << "x " << c.x;
    EXPECT_EQ(
        std::ranges::count_if(canvas.drawn, [](const std::string& d) { return d[0] == 'T' || d[0] == 'I'; }),
        0)
        << "nothing is drawn";
  }
}

// Every icon a row shows but the folder marks has a text that says what it
// means, in the catalog every language file is checked against.
TEST(RowLayout, EveryIconButTheFolderMarksHasAHintInTheCatalog) {
  for (int i = 0; i < int(TIcon::Count); ++i) {
    const auto icon = TIcon(i);
    const std::string_view key = IconHintKey(icon);
    const bool folderMark = icon == TIcon::Folder || icon == TIcon::Expanded || icon == TIcon::Collapsed;
    EXPECT_EQ(key.empty(), folderMark) << IconInfo(icon).Resource;
    if (key.empty()) continue;
    const auto catalog = lang::TextCatalog();
    EXPECT_TRUE(std::ranges::any_of(catalog, [&](const lang::CatalogEntry& e) {
      return e.section == "fmMain" && e.key == key;
    })) << key;
  }
}

}  // namespace
}  // namespace qv::ui
