// The unzipped release package under Wine, as a user meets it: from a folder
// whose path has a space and letters outside ASCII, quorvex.exe starts with
// the package's virtual controller, shows its main window and no error box,
// and qvtool.exe, run from cmd.exe, checks the language files and prints a
// document byte for byte. package_test.sh unzips the package into the one
// folder inside QUORVEX_PACKAGE_PARENT and names the zip in QUORVEX_PACKAGE_ZIP.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/win32/VersionResource.h"
#include "base/Utf.h"
#include "tests/win32/Win32Process.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

std::wstring Environment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value != nullptr ? value : L"";
}

// The package's folder: the only folder in the parent the script names.
fs::path PackageFolder() {
  const fs::path parent = Environment(L"QUORVEX_PACKAGE_PARENT");
  if (parent.empty() || !fs::is_directory(parent)) return {};
  fs::path found;
  for (const auto& entry : fs::directory_iterator(parent)) {
    if (!entry.is_directory() || !found.empty()) return {};
    found = entry.path();
  }
  return found;
}

struct TRun {
  DWORD ExitCode = ~DWORD{0};
  std::string Output;  // standard output and error, as bytes
};

// Runs a command line through cmd.exe from the package's folder, as a user
// types it there, and collects what it prints.
TRun RunInCmd(const fs::path& folder, const std::wstring& command) {
  TRun run;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return run;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = write;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  std::wstring line = L"cmd.exe /c " + command;
  PROCESS_INFORMATION process{};
  const bool started = CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                      folder.c_str(), &startup, &process) != 0;
  CloseHandle(write);
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got > 0) run.Output.append(buffer, got);
    WaitForSingleObject(process.hProcess, 30000);
    GetExitCodeProcess(process.hProcess, &run.ExitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(read);
  return run;
}

std::wstring Quoted(const fs::path& file) { return L"\"" + file.wstring() + L"\""; }

class PackageTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(folder.empty()) << "no unzipped package in QUORVEX_PACKAGE_PARENT"; }
  const fs::path folder = PackageFolder();
};

TEST_F(PackageTest, ItsFolderPathHasASpaceAndLettersOutsideAscii) {
  const std::wstring path = folder.wstring();
  EXPECT_NE(path.find(L' '), std::wstring::npos);
  EXPECT_TRUE(std::any_of(path.begin(), path.end(), [](wchar_t c) { return c > 0x7F; }));
}

TEST_F(PackageTest, ZipIsNamedWithTheVersionTheProgramCarries) {
  const std::string version = win32::ReadFileVersion((folder / "quorvex.exe").u16string());
  ASSERT_FALSE(version.empty());
  EXPECT_EQ(ToUtf8(fs::path(Environment(L"QUORVEX_PACKAGE_ZIP")).u16string()),
            "quorvex-" + version + "-win64.zip");
}

TEST_F(PackageTest, ProgramStartsWithTheVirtualControllerAndShowsItsMainWindowWithoutAnErrorBox) {
  SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", (folder / "virtual-train-controller.ml").c_str());
  ChildProcess program(Quoted(folder / "quorvex.exe"));
  SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK", nullptr);
  ASSERT_TRUE(program.Started());
  HWND main = WaitForWindow([&]() -> HWND {
    HWND window = FindProcessWindow(program.Id(), L"TfmMain");
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
  });
  ASSERT_NE(main, nullptr);
  // A box about a file the start-up could not use comes up with the window.
  Sleep(1000);
  for (HWND box : ProcessWindows(program.Id(), L"#32770"))
    EXPECT_FALSE(IsWindowVisible(box))
        << "a box: " << ToUtf8(reinterpret_cast<const char16_t*>(WindowText(box).c_str()));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitExit(10000));
}

class LanguageFileTest : public PackageTest, public ::testing::WithParamInterface<const wchar_t*> {};

// The file by its full name, so the folder's letters pass through the
// command line and the tool's arguments.
TEST_P(LanguageFileTest, QvtoolFindsEveryTextTheProgramNeeds) {
  const fs::path file = folder / GetParam();
  const TRun run = RunInCmd(folder, L"qvtool.exe lang check " + Quoted(file));
  EXPECT_EQ(run.ExitCode, 0u) << run.Output;
  EXPECT_EQ(run.Output.rfind(ToUtf8(file.u16string()) + ": all ", 0), 0u) << run.Output;
}

INSTANTIATE_TEST_SUITE_P(Package, LanguageFileTest, ::testing::Values(L"default.lng", L"ru.lng"));

// A console program's output is text by default, where every CR LF the tool
// prints would reach a file as CR CR LF.
TEST_F(PackageTest, QvtoolPrintsADocumentWithItsLineEndsAsTheyAre) {
  const TRun run = RunInCmd(folder, L"qvtool.exe check virtual-train-controller.qvprof");
  EXPECT_EQ(run.ExitCode, 0u) << run.Output;
  ASSERT_NE(run.Output.find("\r\n"), std::string::npos) << run.Output;
  EXPECT_EQ(run.Output.find("\r\r"), std::string::npos);
  for (size_t at = run.Output.find('\n'); at != std::string::npos; at = run.Output.find('\n', at + 1))
    ASSERT_TRUE(at > 0 && run.Output[at - 1] == '\r') << "a line feed alone at byte " << at;
}

}  // namespace
}  // namespace qv::test
