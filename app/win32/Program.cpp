// The composition root: the platform's implementations wired into the
// portable layers, and the start-up order that brings the program up, keeps
// it running and takes it down with no key left held.
#include "app/win32/Program.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/EQuiet.h"
#include "app/SecondStart.h"
#include "app/StartShow.h"
#include "app/win32/HandOffPlatform.h"
#include "app/win32/Joystick.h"
#include "app/win32/ProcessStart.h"
#include "app/win32/StartUp.h"
#include "app/win32/StartUpTimer.h"
#include "app/win32/VersionResource.h"
#include "base/ProgramVersion.h"
#include "base/Utf.h"
#include "base/win32/ProgramPath.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/SysCmd.h"
#include "engine/win32/WinSeams.h"
#include "input/i_Joystick.h"
#include "lang/ErrorReport.h"
#include "lang/Lang.h"
#include "lang/SafeFormat.h"
#include "lang/win32/ErrorBox.h"
#include "mixer/win32/WinmmMixer.h"
#include "storage/FilePaths.h"
#include "storage/JoySettingsFile.h"
#include "storage/ProfileFile.h"
#include "storage/ProgramSettingsFile.h"
#include "ui/HandOff.h"
#include "ui/dialogs/win32/Dialogs.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/f_Trap.h"

namespace qv::app {
namespace {

// This copy as its trap window answers a later start.
class TMainTrapHost final : public ui::TTrapHost {
 public:
  explicit TMainTrapHost(ui::TfmMain& main) : main_(main) {}
  bool BringUp() override { return main_.BringUp(); }
  uintptr_t ActiveWindow() override {
    // Zero would tell the later start that this copy is not ready; a copy
    // that polls and has just shown its window is ready even when the
    // system kept the activation elsewhere.
    HWND active = GetActiveWindow();
    return reinterpret_cast<uintptr_t>(active != nullptr ? active : main_.Handle());
  }
  bool FileExists(const std::u16string& path) override { return IsExistingFile(path); }
  bool AskToSave() override { return main_.Commands().AskToSave(); }
  void LoadProfile(const std::u16string& path) override { OpenProfile(path); }

 private:
  ui::TfmMain& main_;
};

// The engine's seams on the real system, for the whole run.
win32::SendInputKeyboard keyboard;
win32::SystemKeyboardLayout layout;
win32::SystemClock clock;
// DirectInput signals a platform event of its own kind.
win32::SystemWakeEvent wake;

// Everything the guarded steps bring up; torn down in the order of step 16
// and the exit procedure, whichever step the start-up got to.
struct TRun {
  // The platform below the joystick layer outlives it: DirectInput's
  // cooperative level needs its window alive until the device is released.
  std::unique_ptr<input::JoystickApi> platform;
  input::TJoystick joystick;
  std::unique_ptr<TJoystickView> view;
  std::unique_ptr<ui::TfmMain> main;
  std::unique_ptr<ui::dialogs::win32::TDialogs> dialogs;
  std::unique_ptr<TMainTrapHost> trapHost;
  std::unique_ptr<ui::win32::TfmTrap> trap;
};

// Step 1: the engine's own initialisation. A joystick settings file read
// only in part is reported once the language and the windows are there.
std::u16string InitialiseEngine() {
  InstallSeams(&keyboard, &layout, &clock);
  InstallWake(&wake);
  ResetProfile();
  return LoadJoySettings();
}

void ReportJoySettingsFault(const std::u16string& fault, HWND owner) {
  if (fault.empty()) return;
  const std::u16string text =
      lang::SafeFormat(lang::LangTranslate("EXCEPT", "exJoySettingsRead"), {JoySettingsFileName(), fault});
  const std::u16string caption = lang::LangTranslate("", "msgInfo");
  MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()),
              reinterpret_cast<const wchar_t*>(caption.c_str()), MB_ICONWARNING);
}

// Steps 6 to 15.
void StartAndRun(TRun& run, const std::u16string& joySettingsFault, win32::TStartUpTimer& timer) {
  const TStepDone done = timer.Teller();
  const std::u16string title = ui::InstanceTitle(win32::ProgramPath());
  const bool commandLineFlag = HandOff(win32::SystemHandOff(), win32::CommandLineArguments(), title);
  done("hand-off");
  StartSystemCommands(win32::WinmmMixer());
  LoadProgramSettings(run.joystick);
  done("program settings");

  run.platform = ChooseJoystickApi();
  BringUpJoystick(run.joystick, *run.platform);
  done("joystick");

  run.view = std::make_unique<TJoystickView>(run.joystick);
  ui::TMainWindowServices services;
  services.LoadProfile = OpenProfile;
  services.SaveProfile = qv::SaveProfile;
  services.SaveProgramSettings = [&joystick = run.joystick] { SaveProgramSettings(joystick); };
  services.OpenActionDialog = [&dialogs = run.dialogs](ui::TActionId action) { dialogs->Open(action); };
  services.OpenRowDialog = [&dialogs = run.dialogs](ui::TRowAction row) { dialogs->Open(row); };
  const std::u16string version = FromUtf8(ProgramVersion().Text);
  run.main = std::make_unique<ui::TfmMain>(version, *run.view, std::move(services));
  run.dialogs = std::make_unique<ui::dialogs::win32::TDialogs>(run.main->Handle(), run.joystick, version);
  lang::win32::SetMessageBoxOwner(run.main->Handle());
  run.trapHost = std::make_unique<TMainTrapHost>(*run.main);
  run.trap = std::make_unique<ui::win32::TfmTrap>(*run.trapHost, title);
  done("windows");

  TranslateWindows(*run.main);
  done("translation");
  ReportJoySettingsFault(joySettingsFault, run.main->Handle());
  run.main->InitialLoadAndPlacement();
  done("profile");
  ShowAndStartPolling(*run.main, StartShowFor(win32::StartupShowState(), commandLineFlag, ProfileFileName),
                      done);
  timer.Write();
  ui::RunMessageLoop(*run.main);
}

void Report(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const EQuiet&) {
    // The profile went to the running copy, or the user declined a second one.
  } catch (...) {
    lang::win32::ShowError(std::current_exception());
  }
}

}  // namespace

int RunProgram() {
  win32::TStartUpTimer timer;
  std::u16string joySettingsFault;
  try {
    joySettingsFault = InitialiseEngine();
    timer.Done("initialisation");
    SetProgramVersion(win32::ReadFileVersion(win32::ProgramPath()));
    timer.Done("version");
    InstallLanguage(u"default.lng", timer.Teller());
  } catch (...) {
    timer.Write();
    // No language file to word the error with: the built-in English texts.
    lang::win32::ShowErrorBox(lang::StartFailureBox(std::current_exception()));
    return 0;
  }

  std::exception_ptr failure;
  TRun run;
  try {
    StartAndRun(run, joySettingsFault, timer);
  } catch (...) {
    failure = std::current_exception();
  }
  timer.Write();
  ExitPolling();
  run.joystick.Shutdown();
  EngineHooks.PollDevice = nullptr;
  EngineHooks.DeviceSignals = nullptr;
  EngineHooks.DeviceSignalMissed = nullptr;
  EngineHooks.DeviceDueIn = nullptr;
  if (failure) Report(failure);
  InstallSeams(nullptr, nullptr, nullptr);
  InstallWake(nullptr);
  return 0;
}

}  // namespace qv::app
