// quorvex.exe under Wine with real processes: a lever move reaching the
// stand-in simulator through SendInput, the program's own window holding
// keys back and stepping the simulator's lever after it when left, the
// hand-off between two starts, the one error box, the tray
// start, a shutdown that leaves no key down, a button given its keys
// through its windows typing them at the simulator, and a lever set up from
// nothing through its windows stepping the simulator.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/app/win32/ProgramFixture.h"
#include "tests/app/win32/ProgramWindows.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/win32/WindowPicture.h"
#include "ui/MainActions.h"
#include "ui/dialogs/resource.h"

namespace qv::test {
namespace {

using sim::TKeyLogEntry;

// Axis 0 steps with A (up) and D (down); position 2 holds Shift+H and
// releases with R; position 5 presses P and holds K.
constexpr char LeverProfile[] = R"({ MULTILEVEL
  { AXES
    { AXIS
      Index=0
      { UP
        Vkey=65
        ScanCode=30
      }
      { DOWN
        Vkey=68
        ScanCode=32
      }
      { POSITIONS
        { POSITION
          Index=2
          { HOLD
            Vkey=72
            ScanCode=35
            Shift=1
          }
          { RELEASE
            Vkey=82
            ScanCode=19
          }
        }
        { POSITION
          Index=5
          { PRESS
            Vkey=80
            ScanCode=25
          }
          { HOLD
            Vkey=75
            ScanCode=37
          }
        }
      }
    }
  }
}
)";

// The throttle's rest values in the example joystick settings.
constexpr int Notch2 = 13000, Notch5 = 52000;

TKeyLogEntry Key(bool down, uint16_t vk, uint16_t scan) { return {0, down, vk, scan, false}; }
// Down and up of each (virtual key, scan code), in order.
std::vector<TKeyLogEntry> Taps(std::initializer_list<std::pair<uint16_t, uint16_t>> keys) {
  std::vector<TKeyLogEntry> taps;
  for (const auto& [vk, scan] : keys) taps.insert(taps.end(), {Key(true, vk, scan), Key(false, vk, scan)});
  return taps;
}

// The keys of the log from the first that matches, times dropped.
std::vector<TKeyLogEntry> From(std::vector<TKeyLogEntry> keys, const TKeyLogEntry& first) {
  for (auto& key : keys) key.Time = 0;
  for (size_t i = 0; i < keys.size(); ++i)
    if (keys[i] == first) return {keys.begin() + static_cast<std::ptrdiff_t>(i), keys.end()};
  return {};
}
bool Contains(const std::vector<TKeyLogEntry>& keys, uint16_t vk) {
  return std::any_of(keys.begin(), keys.end(), [&](const TKeyLogEntry& key) { return key.Vk == vk; });
}

bool KeyDown(uint16_t vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }

class ProgramRunTest : public ProgramTest {
 protected:
  // Waits until the log from `first` on holds as many keys as `expected` and
  // compares them; how many keys the log held from `first` by then.
  size_t ExpectKeysFrom(const TKeyLogEntry& first, const std::vector<TKeyLogEntry>& expected) {
    std::vector<TKeyLogEntry> keys;
    WaitUntil([&] { return (keys = From(Keys(), first)).size() >= expected.size(); }, 20000);
    const size_t count = keys.size();
    keys.resize(std::min(count, expected.size()));
    EXPECT_EQ(keys, expected);
    return count;
  }
  struct TStarted {
    fs::path profile;
    ChildProcess& program;
    HWND main;
  };
  // The program started on an empty profile of this name, its window in
  // front; main is null when it did not come up.
  TStarted StartOnEmptyProfile(const std::string& name) {
    const auto profile = WriteFile(name, "{ MULTILEVEL\n}\n");
    WriteFile("config.ml", "{ MULTILEVEL\n  LastFile=" + profile.string() + "\n}\n");
    ChildProcess& program = Start();
    HWND main = WaitForMainWindow(program);
    if (main == nullptr || !BringToFront(main)) return {profile, program, nullptr};
    return {profile, program, main};
  }
  // The throttle at each (time, value) of its timeline.
  void UseLever(std::initializer_list<std::pair<int, int>> timeline) {
    std::string body = "{ CONTROLLER\n  Name=Lever\n  Axis0=Throttle lever\n  { TIMELINE\n";
    for (const auto& [at, value] : timeline)
      body += "    At=" + std::to_string(at) + "\n    Axis0=" + std::to_string(value) + "\n";
    UseController(body + "  }\n}\n");
  }
};

TEST_F(ProgramRunTest, LeverMoveReachesTheSimulatorInOrderAndShutdownReleasesTheHeldKey) {
  UseLever({{0, Notch2}, {5000, Notch5}});
  const auto profile = WriteFile("lever.qvprof", LeverProfile);
  StartSimulator();
  ChildProcess& program = Start({profile});  // a loaded profile starts in the tray
  ASSERT_TRUE(program.Started());

  const TKeyLogEntry holdUp2 = Key(false, 'H', 35);
  std::vector<TKeyLogEntry> expected{holdUp2, Key(false, VK_SHIFT, 0x2A)};
  for (const auto& key : Taps({{'R', 19}, {'A', 30}, {'A', 30}, {'A', 30}, {'P', 25}}))
    expected.push_back(key);
  expected.push_back(Key(true, 'K', 37));
  ExpectKeysFrom(holdUp2, expected);

  // K is held (and repeated); the program ends from its tray and lets it go.
  ASSERT_TRUE(Close(program));
  const auto keys = From(Keys(), Key(true, 'K', 37));
  ASSERT_FALSE(keys.empty());
  EXPECT_EQ(keys.back(), Key(false, 'K', 37));
}

TEST_F(ProgramRunTest, OwnWindowHoldsKeysBackAndFocusBackPressesThemWithoutTaps) {
  UseController(StillController(Notch5));
  const auto profile = WriteFile("lever.qvprof", LeverProfile);
  WriteFile("config.ml", "{ MULTILEVEL\n  LastFile=" + profile.string() + "\n}\n");
  ChildProcess& program = Start();
  HWND main = WaitForMainWindow(program);
  ASSERT_NE(main, nullptr);
  // Shown and active: nothing may be typed into our own window.
  EXPECT_FALSE(KeyDown('K'));

  HWND simulator = StartSimulator();
  EXPECT_TRUE(WaitUntil([] { return KeyDown('K'); }));
  ASSERT_TRUE(BringToFront(main));
  // The foreground changes before the program hears of it; the key goes up
  // while it does.
  EXPECT_TRUE(WaitUntil([] { return !KeyDown('K'); }, 2000));
  ASSERT_TRUE(BringToFront(simulator));
  EXPECT_TRUE(WaitUntil([] { return KeyDown('K'); }));
  // Held again each time, never entered anew: no press tap of position 5.
  EXPECT_FALSE(Contains(Keys(), 'P'));
  EXPECT_TRUE(Close(program));
  EXPECT_FALSE(KeyDown('K'));
}

// The lever moved from 2 to 5 while our own window is in front: nothing
// goes out then, and once the simulator is back in front its lever is
// stepped to where ours stands, with no tap of the notches left or reached.
TEST_F(ProgramRunTest, LeverMovedBehindOurOwnWindowIsCaughtUpWhenTheSimulatorIsBack) {
  constexpr DWORD MoveAt = 8000;
  UseLever({{0, Notch2}, {static_cast<int>(MoveAt), Notch5}});
  const auto profile = WriteFile("lever.qvprof", LeverProfile);
  WriteFile("config.ml", "{ MULTILEVEL\n  LastFile=" + profile.string() + "\n}\n");
  const DWORD startedAt = GetTickCount();
  ChildProcess& program = Start();
  HWND main = WaitForMainWindow(program);
  ASSERT_NE(main, nullptr);
  // The controller's timeline starts when it is set up, before the window shows.
  const DWORD moved = GetTickCount() + MoveAt;
  HWND simulator = StartSimulator();
  ASSERT_TRUE(WaitUntil([] { return KeyDown('H'); }));
  ASSERT_TRUE(BringToFront(main));
  ASSERT_TRUE(WaitUntil([] { return !KeyDown('H'); }, 2000));
  ASSERT_LT(GetTickCount() - startedAt, MoveAt) << "too slow: the lever moved before our window was in front";
  // Past the move, with time for the program to read it behind its window.
  WaitUntil([&] { return static_cast<int>(GetTickCount() - moved) > 1000; }, MoveAt + 2000);
  ASSERT_TRUE(BringToFront(simulator));
  std::vector<TKeyLogEntry> expected = Taps({{'A', 30}, {'A', 30}, {'A', 30}});
  expected.push_back(Key(true, 'K', 37));
  ExpectKeysFrom(Key(true, 'A', 30), expected);
  EXPECT_FALSE(Contains(Keys(), 'R'));
  EXPECT_FALSE(Contains(Keys(), 'P'));
  EXPECT_TRUE(Close(program));
}

TEST_F(ProgramRunTest, InitialPositionHoldsTheLeverBackAndF9SetsItWaitingAgain) {
  UseLever({{0, Notch5}, {4000, 26000}, {5500, Notch5}});
  std::string text = LeverProfile;
  text.insert(text.find("Index=0") + 7, "\n      InitialPos=3");
  const auto profile = WriteFile("initial.qvprof", text);
  StartSimulator();
  ChildProcess& program = Start({profile});
  // Nothing while the lever stands away from 3 or passes to it; from 3 to 5
  // it steps as usual.
  std::vector<TKeyLogEntry> expected = Taps({{'A', 30}, {'A', 30}, {'P', 25}});
  expected.push_back(Key(true, 'K', 37));
  const size_t fromTheFirstStep = ExpectKeysFrom(Key(true, 'A', 30), expected);
  EXPECT_EQ(Keys().size(), fromTheFirstStep);

  // F9 in the program: the lever waits for position 3 again and lets K go.
  HWND main = MainWindow(program);
  ASSERT_NE(main, nullptr);
  PostMessageW(main, WM_KEYDOWN, VK_F9, 0);
  EXPECT_TRUE(WaitUntil([] { return !KeyDown('K'); }));
  const size_t count = Keys().size();
  Sleep(1000);
  EXPECT_EQ(Keys().size(), count);
  EXPECT_TRUE(Close(program));
}

// A key captured in a frame of a key window: its key button, the modifier
// toggle when one is named, then the key into the capture window.
void CaptureKey(const ChildProcess& program, HWND window, int frameId, WORD key, int toggle = 0);
// Saves the profile from the main window and waits until the file holds text.
void SaveHolding(HWND main, const fs::path& profile, const std::string& text);

// Ctrl+B given to a button the way a user gives it: its row, the key
// button, the Ctrl toggle and the key itself, OK, save; then the button
// pressed at the simulator types it.
TEST_F(ProgramRunTest, AButtonGivenCtrlBInItsWindowIsSavedAndTypedAtTheSimulator) {
  UseController(
      "{ CONTROLLER\n  Name=Box\n  Button0=Horn\n  { TIMELINE\n    Loop=1\n    Length=2000\n"
      "    At=0\n    Button0=0\n    At=1000\n    Button0=1\n    At=1300\n    Button0=0\n  }\n}\n");
  const auto [profile, program, main] = StartOnEmptyProfile("button.qvprof");
  ASSERT_NE(main, nullptr);
  // The joystick, the buttons' heading, the button: End and Enter open it.
  PressKeys({VK_END, VK_RETURN});
  HWND window = WaitForDialog(program, L"Button keys");
  ASSERT_NE(window, nullptr);
  CaptureKey(program, window, IDC_FR_PRESS, 'B', IDC_BT_CTRL);
  EXPECT_EQ(WindowText(GetDlgItem(GetDlgItem(window, IDC_FR_PRESS), IDC_BT_KEY)), L"Ctrl+B");
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  SaveHolding(main, profile, "Vkey=66");

  StartSimulator();
  ExpectKeysFrom(Key(true, VK_CONTROL, 0x1D), {Key(true, VK_CONTROL, 0x1D), Key(true, 'B', 0x30),
                                               Key(false, 'B', 0x30), Key(false, VK_CONTROL, 0x1D)});
  EXPECT_TRUE(Close(program));
}

// A lever set up from nothing through the windows alone: no joystick
// settings, an empty profile. Its four notches are taken while the lever
// stands in each, the step keys, the start and the resync taps given, one
// position its key; the saved profile then drives the stand-in.
struct TSetUpLanguage {
  const wchar_t* file;  // beside the tests, copied over default.lng
  const char* suffix;
  const wchar_t *joy, *axis, *position;
};
class LeverSetUp : public ProgramRunTest, public ::testing::WithParamInterface<TSetUpLanguage> {
 protected:
  // Pictured for the user guide once it is in front and drawn.
  void Picture(HWND window, const std::string& name) {
    ASSERT_TRUE(BringToFront(window));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    Sleep(200);
    SaveWindowPicture(window, "setup-" + name + GetParam().suffix);
  }
};

TEST_P(LeverSetUp, ALeverSetUpFromNothingThroughTheWindowsStepsTheSimulator) {
  const TSetUpLanguage& language = GetParam();
  fs::copy_file(BesideTests(language.file), home / "default.lng", fs::copy_options::overwrite_existing);
  constexpr int notches[] = {2000, 22000, 42000, 62000};
  std::string timeline;
  for (int n = 0; n < 4; ++n)
    timeline += "    At=" + std::to_string(n * 1500) + "\n    Axis0=" + std::to_string(notches[n]) + "\n";
  UseController(
      "{ CONTROLLER\n  Name=Lever\n  Axis0=Throttle lever\n  { TIMELINE\n    Loop=1\n    Length=6000\n" +
      timeline + "  }\n}\n");
  fs::remove(home / "default.qvjoy");
  const auto [profile, program, main] = StartOnEmptyProfile("lever.qvprof");
  ASSERT_NE(main, nullptr);

  PostMessageW(main, WM_COMMAND, WPARAM(ui::TActionId::JoySettings), 0);
  HWND joy = WaitForDialog(program, language.joy);
  ASSERT_NE(joy, nullptr);
  // The second tab, "Multipos": clicked from the left until its page shows,
  // the tabs being as wide as their translated texts. The page is a child
  // window with its template's id.
  HWND tabs = GetDlgItem(joy, IDC_PAGES_AXIS_TYPE);
  HWND page = GetDlgItem(joy, IDD_PAGE_MULTIPOS);
  HWND take = GetDlgItem(page, IDC_BT_TAKE_SWITCH);
  for (int x = 20; x < 300 && !IsWindowVisible(take); x += 20) {
    PostMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 10));
    PostMessageW(tabs, WM_LBUTTONUP, 0, MAKELPARAM(x, 10));
    WaitUntil([&] { return IsWindowVisible(take) != FALSE; }, 300);
  }
  ASSERT_TRUE(IsWindowVisible(take));
  HWND list = GetDlgItem(page, IDC_LIST_POSITIONS);
  for (int taken = 0; taken < 4; ++taken) {
    const std::wstring value = std::to_wstring(notches[taken]);
    ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(joy, IDC_PAN_VALUE)) == value; })) << taken;
    PostMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_BT_TAKE_SWITCH, BN_CLICKED), LPARAM(take));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == taken + 1; }));
  }
  SendDlgItemMessageW(joy, IDC_ED_NAME, WM_SETTEXT, 0, LPARAM(L"Throttle"));
  Picture(joy, "fmJoySettings");
  PostMessageW(joy, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(joy); }));
  EXPECT_TRUE(WaitUntil([&] { return fs::exists(home / "default.qvjoy"); }));

  // The joystick, the axes' heading, the lever: its window.
  ASSERT_TRUE(BringToFront(main));
  PressKeys({VK_HOME, VK_DOWN, VK_DOWN, VK_RETURN});
  HWND axis = WaitForDialog(program, language.axis);
  ASSERT_NE(axis, nullptr);
  CaptureKey(program, axis, IDC_FR_UP, 'A');
  CaptureKey(program, axis, IDC_FR_DOWN, 'Z');
  SendDlgItemMessageW(axis, IDC_SPIN_INITIAL_POS, WM_SETTEXT, 0, LPARAM(L"1"));
  // Linked at the opening (both 0): the last count follows the first.
  SendDlgItemMessageW(axis, IDC_SPIN_RESYNC_FIRST, WM_SETTEXT, 0, LPARAM(L"1"));
  wchar_t last[8] = {};
  SendDlgItemMessageW(axis, IDC_SPIN_RESYNC_LAST, WM_GETTEXT, 8, LPARAM(last));
  EXPECT_EQ(std::wstring(last), L"1");
  Picture(axis, "fmAxisSettings");
  PostMessageW(axis, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(axis); }));

  // The lever's positions folder opened, position 2: its window.
  ASSERT_TRUE(BringToFront(main));
  PressKeys({VK_DOWN, VK_RETURN, VK_DOWN, VK_DOWN, VK_RETURN});
  HWND position = WaitForDialog(program, language.position);
  ASSERT_NE(position, nullptr);
  CaptureKey(program, position, IDC_FR_PRESS, 'P');
  Picture(position, "fmPosSettings");
  PostMessageW(position, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(position); }));

  SaveHolding(main, profile, "Vkey=80");

  // From the top notch back to the first: three steps down and the resync
  // tap; then up one at a time, position 2's key on entering it, and the
  // resync tap at the top.
  StartSimulator();
  std::vector<TKeyLogEntry> expected = Taps(
      {{'Z', 44}, {'Z', 44}, {'Z', 44}, {'Z', 44}, {'A', 30}, {'P', 25}, {'A', 30}, {'A', 30}, {'A', 30}});
  ExpectKeysFrom(Key(true, 'Z', 44), expected);
  EXPECT_TRUE(Close(program));
}

INSTANTIATE_TEST_SUITE_P(Languages, LeverSetUp,
                         ::testing::Values(TSetUpLanguage{L"default.lng", "-en.png", L"Joystick axes",
                                                          L"Lever settings", L"Position keys"},
                                           TSetUpLanguage{L"ru.lng", "-ru.png", L"Оси джойстика",
                                                          L"Настройка рукоятки", L"Клавиши позиции"}));

void CaptureKey(const ChildProcess& program, HWND window, int frameId, WORD key, int toggle) {
  HWND frame = GetDlgItem(window, frameId);
  PostMessageW(frame, WM_COMMAND, MAKEWPARAM(IDC_BT_KEY, BN_CLICKED), LPARAM(GetDlgItem(frame, IDC_BT_KEY)));
  HWND ask = WaitForWindow([&]() -> HWND {
    for (HWND w : ProcessWindows(program.Id(), L"#32770"))
      if (IsWindowVisible(w) && IsWindowEnabled(w) && w != window) return w;
    return nullptr;
  });
  ASSERT_NE(ask, nullptr);
  if (toggle != 0) SendDlgItemMessageW(ask, toggle, BM_CLICK, 0, 0);
  ASSERT_TRUE(BringToFront(ask));
  PressKeys({key});
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(ask); }));
}

void SaveHolding(HWND main, const fs::path& profile, const std::string& text) {
  PostMessageW(main, WM_COMMAND, WPARAM(ui::TActionId::Save), 0);
  ASSERT_TRUE(WaitUntil([&] {
    std::ifstream file(profile, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {}).find(text) != std::string::npos;
  }));
}

TEST_F(ProgramTest, StartFailuresEndInExactlyOneBox) {
  const struct {
    const char* what;
    bool virtualController;
    bool languageFile;
    std::wstring caption;
    std::wstring textStart;
  } cases[] = {
      // Wine's own DirectInput, and no controller attached to this machine.
      {"no joystick", false, true, ErrorCaption, L"No attached joysticks found."},
      {"no language file", true, false, ErrorCaption, L"Quorvex cannot start:"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.virtualController) SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", nullptr);
    if (!c.languageFile) fs::rename(home / "default.lng", home / "default.lng.off");
    ChildProcess& program = Start();
    HWND box = WaitForBox(program);
    ASSERT_NE(box, nullptr);
    Sleep(500);  // a second box would be up by now
    EXPECT_EQ(CountBoxes(program), 1);
    const TBox texts = BoxTexts(box);
    EXPECT_EQ(texts.Caption, c.caption);
    EXPECT_EQ(texts.Text.substr(0, c.textStart.size()), c.textStart);
    EXPECT_EQ(MainWindow(program), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitExit(10000));
    if (!c.languageFile) fs::rename(home / "default.lng.off", home / "default.lng");
    UseController(StillController(1000));
  }
}

TEST_F(ProgramTest, LoadedProfileAndMinimisedStartsGoToTheTray) {
  const auto profile = WriteFile("lever.qvprof", LeverProfile);
  const struct {
    const char* what;
    std::vector<fs::path> arguments;
    std::optional<WORD> show;
  } cases[] = {
      {"profile on the command line", {profile}, std::nullopt},
      {"minimised", {}, SW_SHOWMINNOACTIVE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChildProcess& program = Start(c.arguments, c.show);
    HWND main = WaitForWindow([&] {
      HWND window = MainWindow(program);
      return window != nullptr && HasTrayIcon(window) ? window : nullptr;
    });
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(IsWindowVisible(main));
    EXPECT_TRUE(Close(program));
  }
}

// The first copy, shown and polling, and a profile to hand to it; the first
// copy closes as the user would when the test is over.
class HandOffTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    profile = WriteFile("lever.qvprof", LeverProfile);
    first = &Start();
    main = WaitForMainWindow(*first);
    ASSERT_NE(main, nullptr);
    // Polling starts right after the window is shown; the trap answers then.
    WaitUntil([&] { return SendMessageW(Trap(), 1026, 0, 0) != 0; });
  }
  void TearDown() override {
    if (first != nullptr) {
      EXPECT_TRUE(Close(*first));
    }
    ProgramTest::TearDown();
  }
  HWND Trap() const {
    return FindWindowW(
        nullptr, ((home / "quorvex.exe").wstring() + L".{C7613CA5-5B83-49E3-8B24-3E9439E578F0}").c_str());
  }
  void SendToTrap(const wchar_t* data, size_t bytes) {
    COPYDATASTRUCT copy{0, static_cast<DWORD>(bytes), const_cast<wchar_t*>(data)};
    SendMessageW(Trap(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  }
  bool Names(HWND window, const std::wstring& file) const {
    return WindowText(window).find(file) != std::wstring::npos;
  }
  fs::path profile;
  ChildProcess* first = nullptr;
  HWND main = nullptr;
};

TEST_F(HandOffTest, OnlyOneExistingProfileGoesToTheRunningCopy) {
  const auto other = WriteFile("other.qvprof", LeverProfile);
  ASSERT_NE(Trap(), nullptr);

  ChildProcess& second = Start({profile});
  ASSERT_TRUE(second.WaitExit(10000));
  EXPECT_EQ(MainWindow(second), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return Names(main, L"lever.qvprof"); })) << WindowText(main);

  // Each of these runs as a copy of its own and leaves the first alone.
  fs::create_directories(folder.path() / "copy");
  for (const char* name : {"quorvex.exe", "default.lng", "default.qvjoy"})
    fs::copy_file(home / name, folder.path() / "copy" / name);
  const struct {
    const char* what;
    std::vector<fs::path> arguments;
    fs::path program;
  } cases[] = {
      {"missing file", {home / "missing.qvprof"}, {}},
      {"two arguments", {profile, other}, {}},
      {"copy in another folder", {other}, folder.path() / "copy" / "quorvex.exe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChildProcess& copy = Start(c.arguments, std::nullopt, c.program);
    EXPECT_NE(WaitForMainWindow(copy, false), nullptr);
    EXPECT_FALSE(copy.WaitExit(0));
    EXPECT_TRUE(Close(copy));
    EXPECT_FALSE(Names(main, L"other.qvprof"));
  }
}

// A profile handed to the running copy that does not read: one box names
// the file above the reader's own message, and the loaded profile stays.
TEST_F(HandOffTest, AProfileThatDoesNotReadIsReportedWithItsNameInOneBox) {
  std::string unclosed = LeverProfile;
  unclosed.resize(unclosed.rfind('}'));
  const auto broken = WriteFile("broken.qvprof", unclosed);
  // Every line ended: the reader names the line after the empty one an
  // editor shows below the last line break.
  const auto lines = std::count(unclosed.begin(), unclosed.end(), '\n');
  // The second start waits for the first to take the profile, box and all.
  ChildProcess& second = Start({broken});
  HWND box = WaitForBox(*first);
  ASSERT_NE(box, nullptr);
  Sleep(500);  // a second box would be up by now
  EXPECT_EQ(CountBoxes(*first), 1);
  const TBox texts = BoxTexts(box);
  EXPECT_EQ(texts.Caption, ErrorCaption);
  EXPECT_EQ(texts.Text, broken.wstring() + L"\r\nMultilevel loader error in line " +
                            std::to_wstring(lines + 2) + L":\rInvalid format");
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(second.WaitExit(10000));
  EXPECT_FALSE(Names(main, L"broken.qvprof"));
}

TEST_F(HandOffTest, PayloadOutOfBoundsChangesNothing) {
  const std::wstring caption = WindowText(main);
  const std::wstring path = profile.wstring();
  std::vector<wchar_t> unterminated(4096, L'a');
  std::copy(path.begin(), path.end(), unterminated.begin());
  for (const size_t bytes : {path.size() * 2, unterminated.size() * 2}) {
    SendToTrap(unterminated.data(), bytes);
    EXPECT_EQ(WindowText(main), caption) << bytes;
  }
  // The same path with its zero does arrive.
  SendToTrap(path.c_str(), (path.size() + 1) * 2);
  EXPECT_TRUE(Names(main, L"lever.qvprof"));
}

// The main window's commands open the settings windows of the program; one
// that edits the settings holds polling stopped, so a hand-off meanwhile is dropped.
TEST_F(HandOffTest, TheSettingsWindowsOpenFromTheMainWindowAndProfileOnesDropAHandOff) {
  const struct {
    WPARAM command;
    const wchar_t* caption;
    bool polls;
  } cases[] = {
      {104, L"Compatibility", false}, {107, L"Program settings", false}, {111, L"About Quorvex", true}};
  const std::wstring path = profile.wstring();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    PostMessageW(main, WM_COMMAND, c.command, 0);
    HWND window = WaitForBox(*first);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), c.caption);
    EXPECT_EQ(SendMessageW(Trap(), 1026, 0, 0) != 0, c.polls);
    if (!c.polls) SendToTrap(path.c_str(), (path.size() + 1) * 2);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
    EXPECT_TRUE(WaitUntil([&] { return SendMessageW(Trap(), 1026, 0, 0) != 0; }));
  }
  EXPECT_FALSE(Names(main, L"lever.qvprof"));
}

TEST_F(HandOffTest, BusyCopyLetsTheUserChooseASecondOne) {
  // The open dialog stops polling in the first copy.
  PostMessageW(main, WM_COMMAND, 101, 0);
  HWND dialog = WaitForBox(*first);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(Trap(), 1026, 0, 0) == 0; }));

  for (const int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer == IDNO ? "no" : "yes");
    ChildProcess& second = Start({profile});
    HWND box = WaitForBox(second);
    ASSERT_NE(box, nullptr);
    const TBox texts = BoxTexts(box);
    EXPECT_EQ(texts.Caption, L"Quorvex");
    EXPECT_EQ(texts.Text.substr(0, 26), L"The running Quorvex cannot");
    PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    if (answer == IDNO) {
      EXPECT_TRUE(second.WaitExit(10000));
      EXPECT_EQ(MainWindow(second), nullptr);
    } else {
      // A second copy that loaded the profile itself, in the tray.
      HWND copy = WaitForMainWindow(second, false);
      ASSERT_NE(copy, nullptr);
      EXPECT_TRUE(WaitUntil([&] { return Names(copy, L"lever.qvprof"); }));
      EXPECT_TRUE(Close(second));
    }
  }
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(Names(main, L"lever.qvprof"));
}

}  // namespace
}  // namespace qv::test
