#include "tests/ui/win32/MainWindowFixture.h"

#include "app/win32/StartUp.h"
#include "base/ProgramFolder.h"
#include "base/Utf.h"
#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/SysCmd.h"
#include "engine/Tracker.h"
#include "lang/Translator.h"
#include "mixer/win32/WinmmMixer.h"
#include "storage/JoySettingsFile.h"
#include "storage/ProfileFile.h"
#include "tests/ui/win32/WindowPicture.h"
#include "ui/DrawOps.h"
#include "ui/TreeList.h"
#include "ui/dialogs/win32/Dialogs.h"

namespace qv::test {

std::vector<std::string> MainWindowTest::answered;
int MainWindowTest::answer = IDCANCEL;
std::u16string MainWindowTest::answerName;
std::unique_ptr<sim::TVirtualJoystick> MainWindowTest::api;
input::TJoystick MainWindowTest::joystick;

namespace {

win32::SystemClock clock;
win32::SystemKeyboardLayout layout;
sim::RecordingKeyboard keyboard;

}  // namespace

void MainWindowTest::SetUpTestSuite() {
  InstallSeams(&keyboard, &layout, &clock);
  StartSystemCommands(win32::WinmmMixer());
  // The example controller, moved by the tests instead of its timeline.
  auto controllers = sim::LoadVirtualControllers(sim::DefaultControllerFile());
  controllers.front().Timeline.clear();
  api = std::make_unique<sim::TVirtualJoystick>(std::move(controllers));
  app::BringUpJoystick(joystick, *api);
  Set(sim::TControlKind::Axis, 0, 1000);
  Set(sim::TControlKind::Axis, 1, 64000);
  Set(sim::TControlKind::Axis, 2, 32767);
  Set(sim::TControlKind::Hat, 0, -1);
  // The joystick settings shipped for the example controller: its levers' notches.
  ASSERT_EQ(ToUtf8(LoadJoySettings(ProgramFolder() + u"virtual-train-controller.qvjoy")), "");
  ASSERT_EQ(JoySettings.Axes[0].Type, atMultipos);
}

void MainWindowTest::TearDownTestSuite() {
  joystick.Shutdown();
  EngineHooks = TEngineHooks{};
  InstallSeams(nullptr, nullptr, nullptr);
}

void MainWindowTest::Open(std::u16string_view language, int showCommand, std::u16string lastFile) {
  ClearModified();
  ResetProfile();
  ProfileFileName = std::move(lastFile);
  app::InstallLanguage(language);
  ui::TMainWindowServices services = Services();
  services.OpenActionDialog = [this](ui::TActionId action) { dialogs->Open(action); };
  services.OpenRowDialog = [this](ui::TRowAction row) { dialogs->Open(row); };
  main = std::make_unique<ui::TfmMain>(u"0.1.0", view_, std::move(services));
  dialogs = std::make_unique<ui::dialogs::win32::TDialogs>(main->Handle(), joystick, u"0.1.0");
  app::TranslateWindows(*main);
  main->InitialLoadAndPlacement();
  app::ShowAndStartPolling(*main, StartShowFor(showCommand, false, u""));
  Pump(100);
}

ui::TMainWindowServices MainWindowTest::Services() {
  ui::TMainWindowServices services;
  services.LoadProfile = qv::LoadProfile;
  services.SaveProfile = qv::SaveProfile;
  return services;
}

void MainWindowTest::OpenRow(ui::TRowCommand command, int control, int detail) {
  TTreeList& tree = main->Tree();
  for (int32_t row = 0; row < tree.RowCount(); ++row) {
    tree.SelectRow(row);
    const ui::TRowAction action = ui::RowActionFor(tree.SelectedItem());
    if (action.Command == ui::TRowCommand::ToggleFolder) {
      static_cast<TTreeListNode*>(tree.SelectedItem())->Expand();
    } else if (action.Command == command && action.Control == control && action.Detail == detail) {
      main->RowDoubleClick();
      return;
    }
  }
  ADD_FAILURE() << "no row for that control";
}

std::u16string MainWindowTest::ExampleProfile() {
  return ProgramFolder() + u"virtual-train-controller.qvprof";
}

void MainWindowTest::Close() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
  StopPolling();
  ClearModified();
  dialogs.reset();
  main.reset();
  lang::ResetTranslation();
  Pump(50);
}

void MainWindowTest::Pump(int ms, const std::function<bool()>& done) {
  const DWORD end = GetTickCount() + DWORD(ms);
  MSG msg;
  while (int32_t(end - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (main && TranslateAcceleratorW(main->Handle(), main->Accelerators(), &msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (done && done()) return;
    Sleep(10);
  }
}

void CALLBACK MainWindowTest::AnswerTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
          wchar_t title[256] = {};
          GetWindowTextW(window, title, 256);
          answered.push_back(ToUtf8(reinterpret_cast<const char16_t*>(title)));
          if (!answerName.empty()) {
            // The file name box: a combo box (cmb13) or an edit (edt1), by dialog style.
            SetDlgItemTextW(window, 1148, reinterpret_cast<const wchar_t*>(answerName.c_str()));
            SetDlgItemTextW(window, 1152, reinterpret_cast<const wchar_t*>(answerName.c_str()));
          }
          PostMessageW(window, WM_COMMAND, WPARAM(answer), 0);
        }
        return TRUE;
      },
      0);
}

void MainWindowTest::AnswerDialogs(int button, std::u16string fileName) {
  answer = button;
  answerName = std::move(fileName);
  answered.clear();
  if (!timer_) timer_ = SetTimer(nullptr, 0, 150, &AnswerTimer);
}

std::string MainWindowTest::RowText(int32_t row) {
  ui::TRowOps ops;
  dynamic_cast<const ui::TVisRow&>(*main->Tree().Row(row).Item).Content(ops, view_);
  std::string text;
  for (const ui::TDrawOp& op : ops) {
    if (op.Kind == ui::TDrawKind::Text) text += ToUtf8(op.Text) + "|";
    if (op.Kind == ui::TDrawKind::Icon) text += std::string(ui::IconInfo(op.Icon).Resource) + "|";
  }
  return text;
}

int32_t MainWindowTest::RowOf(const std::function<bool(const TTreeItem*)>& match) {
  for (int32_t r = 0; r < main->Tree().RowCount(); ++r) {
    if (match(main->Tree().Row(r).Item)) return r;
  }
  return -1;
}

std::u16string MainWindowTest::Caption() {
  wchar_t text[256] = {};
  GetWindowTextW(main->Handle(), text, 256);
  return reinterpret_cast<const char16_t*>(text);
}

std::string MainWindowTest::Screenshot(const std::string& name) {
  RedrawWindow(main->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
  SetForegroundWindow(main->Handle());
  Pump(200);
  return SaveWindowPicture(main->Handle(), name);
}

}  // namespace qv::test
