// Every window in English and in Russian: each text measured with its
// control's font against the room the control gives it, whatever Wine
// draws; the menus' shortcuts each after a tab, so they line up; and a
// tooltip from the language file on each setting field.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "tests/ui/dialogs/win32/DialogDriver.h"
#include "tests/ui/dialogs/win32/TextFit.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/ControlTree.h"
#include "ui/MainActions.h"
#include "ui/dialogs/resource.h"
// After windows.h, which it needs.
#include <commctrl.h>

namespace qv::test {
namespace {

using ui::TActionId;
using ui::TRowCommand;
using TCheck = std::function<void(HWND window, const char* name)>;

class EveryWindow : public MainWindowTest, public ::testing::WithParamInterface<const char16_t*> {
 protected:
  void SetUp() override { Open(GetParam()); }
  void TearDown() override {
    ClearModified();
    MainWindowTest::TearDown();
  }
  // Opens each settings window (the joystick window on each of its pages,
  // the key capture and the command list from a key frame) and runs check
  // on it.
  void ForEachWindow(const TCheck& check);
};

void EveryWindow::ForEachWindow(const TCheck& check) {
  const auto run = [&](const char* name) { return [=](HWND w) { check(w, name); }; };
  const TStep close = [](HWND w) { PostMessageW(w, WM_COMMAND, IDCANCEL, 0); };
  const TActionId actions[] = {TActionId::Compatibility, TActionId::ProgSettings, TActionId::About};
  const char* actionNames[] = {"fmCompatibility", "fmProgSettings", "fmAbout"};
  for (size_t i = 0; i < std::size(actions); ++i)
    DriveModal([&] { main->Execute(actions[i]); }, {run(actionNames[i]), close});
  DriveModal([&] { main->Execute(TActionId::JoySettings); },
             {
                 [&](HWND w) {
                   for (const int page : {0, 1, 2}) {
                     PickTab(w, IDC_PAGES_AXIS_TYPE, page);
                     check(w, page == 0   ? "fmJoySettings unused"
                              : page == 1 ? "fmJoySettings lever"
                                          : "fmJoySettings analog");
                   }
                 },
                 close,
             });
  DriveModal([&] { OpenRow(TRowCommand::AxisSettings, 0); }, {run("fmAxisSettings"), close});
  DriveModal([&] { OpenRow(TRowCommand::PosSettings, 0, 1); }, {run("fmPosSettings"), close});
  DriveModal([&] { OpenRow(TRowCommand::ButtonSettings, 0); }, {run("fmButtonSettings"), close});
  const auto fromFrame = [](int button) {
    return [button](HWND w) {
      HWND frame = GetDlgItem(w, IDC_FR_PRESS);
      PostMessageW(frame, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), LPARAM(GetDlgItem(frame, button)));
    };
  };
  DriveModal([&] { OpenRow(TRowCommand::HatPosSettings, 0, 0); },
             {run("fmHatPosSettings"), fromFrame(IDC_BT_KEY), run("fmAskKey"),
              [](HWND ask) { PostMessageW(ask, WM_CLOSE, 0, 0); }, fromFrame(IDC_BT_TECH), run("fmSysCmd"),
              close, close});
}

TEST_P(EveryWindow, EveryCaptionFitsItsControlAndEveryShortcutStandsAfterATab) {
  EXPECT_EQ(ShortcutsNotAfterATab(GetMenu(main->Handle())), std::vector<std::string>{});
  ForEachWindow(
      [](HWND w, const char* name) { EXPECT_EQ(TextsThatDoNotFit(w), std::vector<std::string>{}) << name; });
  // The measure itself: a label, a button and a group box given their text
  // twelve times each no longer fit.
  DriveModal([&] { main->Execute(TActionId::ProgSettings); }, {[](HWND w) {
               for (int id : {IDC_LB_SOUND_SOURCE, IDC_BT_OK, IDC_GRP_PLAY}) {
                 std::u16string text;
                 for (int i = 0; i < 12; ++i) text += TextOf(w, id);
                 Type(w, id, text);
               }
               EXPECT_EQ(TextsThatDoNotFit(w).size(), 3u);
               PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
             }});
}

// The tooltip text a tooltip window of this thread holds for control.
BOOL CALLBACK FindTip(HWND window, LPARAM param) {
  auto& [control, text] = *reinterpret_cast<std::pair<HWND, std::u16string>*>(param);
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (lstrcmpiW(name, TOOLTIPS_CLASSW) != 0) return TRUE;
  wchar_t buffer[1024] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = GetParent(control);
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = buffer;
  SendMessageW(window, TTM_GETTEXTW, WPARAM(std::size(buffer)), LPARAM(&tool));
  text = reinterpret_cast<const char16_t*>(buffer);
  return text.empty();
}

// A field: an edit the user types into (a combo box's own edit is the
// combo box's), or a drop-down list.
BOOL CALLBACK CollectFields(HWND control, LPARAM param) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  const auto style = GetWindowLongW(control, GWL_STYLE);
  wchar_t parentName[32] = {};
  GetClassNameW(GetParent(control), parentName, 32);
  const bool edit =
      lstrcmpiW(name, L"Edit") == 0 && (style & ES_READONLY) == 0 && lstrcmpiW(parentName, L"ComboBox") != 0;
  if (IsWindowVisible(control) && (edit || lstrcmpiW(name, L"ComboBox") == 0))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(control);
  return TRUE;
}

TEST_P(EveryWindow, EverySettingFieldHasATooltip) {
  ForEachWindow([](HWND w, const char* name) {
    std::vector<HWND> fields;
    EnumChildWindows(w, &CollectFields, LPARAM(&fields));
    for (HWND field : fields) {
      std::pair<HWND, std::u16string> tip{field, {}};
      EnumThreadWindows(GetCurrentThreadId(), &FindTip, LPARAM(&tip));
      EXPECT_GT(tip.second.size(), 10u)
          << name << ": field " << GetDlgCtrlID(field) << " has \"" << ToUtf8(tip.second) << "\"";
    }
  });
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryWindow, ::testing::Values(u"default.lng", u"ru.lng"));

}  // namespace
}  // namespace qv::test
