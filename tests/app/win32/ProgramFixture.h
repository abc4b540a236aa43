#pragma once
// quorvex.exe as a user starts it, from a program folder of its own: the
// language file, the example joystick settings, a virtual controller and
// profiles written by each test, and the stand-in simulator beside it.
#include <gtest/gtest.h>
#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tests/TempFolder.h"
#include "tests/win32/Win32Process.h"

namespace qv::sim {
// A failed comparison shows each key as the stand-in logs it.
inline void PrintTo(const TKeyLogEntry& key, std::ostream* out) { *out << FormatKeyLogLine(key); }
}  // namespace qv::sim

namespace qv::test {

namespace fs = std::filesystem;

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home = folder.path() / u"Программа";
    fs::create_directories(home);
    for (const wchar_t* name : {L"quorvex.exe", L"quorvex-standin.exe", L"default.lng"})
      fs::copy_file(BesideTests(name), home / name);
    fs::copy_file(BesideTests(L"virtual-train-controller.qvjoy"), home / "default.qvjoy");
    UseController(StillController(1000));
  }
  void TearDown() override {
    SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", nullptr);
    // Every process of the test ends before its folder is removed.
    for (auto& process : started) process.reset();
  }

  // The example controller's throttle resting at one value; nothing moves.
  static std::string StillController(int throttle) {
    return "{ CONTROLLER\n  Name=Quorvex Virtual Train Controller\n  Axis0=Throttle lever\n"
           "  Axis1=Brake lever\n  Axis2=Reverser\n  Button0=Horn\n  Hat0=View hat\n"
           "  { TIMELINE\n    At=0\n    Axis0=" +
           std::to_string(throttle) + "\n    Axis1=64000\n    Axis2=32767\n    Hat0=-1\n  }\n}\n";
  }
  // Writes the controller file (its body inside the document) and names it
  // for the programs this test starts.
  void UseController(const std::string& body) {
    const fs::path file = home / "controller.ml";
    std::ofstream(file, std::ios::binary) << "{ MULTILEVEL\n" << body << "}\n";
    SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", file.wstring().c_str());
  }
  fs::path WriteFile(const fs::path& name, const std::string& text) {
    const fs::path file = home / name;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << "\xEF\xBB\xBF" << text;
    return file;
  }

  // Starts the program with these arguments (each quoted) from its folder.
  ChildProcess& Start(const std::vector<fs::path>& arguments = {}, std::optional<WORD> show = std::nullopt,
                      const fs::path& program = {}) {
    std::wstring command = L"\"" + (program.empty() ? home / "quorvex.exe" : program).wstring() + L"\"";
    for (const auto& argument : arguments) command += L" \"" + argument.wstring() + L"\"";
    started.push_back(std::make_unique<ChildProcess>(command, show));
    return *started.back();
  }
  // levers: the stand-in's --lever options (StandInLeverOption), if any.
  ChildProcess& StartStandIn(const std::wstring& levers = {}) {
    started.push_back(std::make_unique<ChildProcess>(StandInCommand(home / "keys.log") + levers));
    return *started.back();
  }
  // The stand-in in the foreground, as the simulator would be.
  HWND StartSimulator(const std::wstring& levers = {}) {
    StartStandIn(levers);
    HWND window = WaitForWindow([] { return FindWindowW(nullptr, StandInTitle); });
    EXPECT_TRUE(window != nullptr && WaitUntil([&] { return GetForegroundWindow() == window; }));
    return window;
  }
  // What the stand-in received so far.
  std::vector<sim::TKeyLogEntry> Keys() { return ReadKeyLog(home / "keys.log"); }

  static HWND MainWindow(const ChildProcess& process) { return FindProcessWindow(process.Id(), L"TfmMain"); }
  static HWND WaitForMainWindow(const ChildProcess& process, bool visible = true) {
    return WaitForWindow([&] {
      HWND window = MainWindow(process);
      return window != nullptr && (!visible || IsWindowVisible(window)) ? window : nullptr;
    });
  }
  // True while the program's tray icon is there: the taskbar modifies only
  // an icon it holds.
  static bool HasTrayIcon(HWND main) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = main;
    data.uID = 100;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
  }
  // Closes the program as the user would and waits for its end.
  static bool Close(const ChildProcess& process) {
    HWND main = MainWindow(process);
    if (main != nullptr) PostMessageW(main, WM_CLOSE, 0, 0);
    return process.WaitExit(10000);
  }

  TempFolder folder;
  fs::path home;
  std::vector<std::unique_ptr<ChildProcess>> started;
};

}  // namespace qv::test
