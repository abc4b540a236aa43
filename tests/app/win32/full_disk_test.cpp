// Saves onto a full disk. The program's folder, with its settings and a
// profile, is on a small disk of its own (cmake/with-full-disk mounts it for
// this run), filled to its last byte; each of the program's saves then fails
// with one box naming the file, and leaves the old file as it was and
// nothing beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "tests/app/win32/ProgramFixture.h"
#include "tests/app/win32/ProgramWindows.h"
#include "ui/MainActions.h"

namespace qv::test {
namespace {

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::wstring> Listing(const fs::path& folder) {
  std::set<std::wstring> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().wstring());
  return names;
}

// The error boxes among the program's windows (a settings window may be up too).
int ErrorBoxes(const ChildProcess& process) {
  const auto windows = ProcessWindows(process.Id(), L"#32770");
  return static_cast<int>(std::count_if(windows.begin(), windows.end(), [](HWND window) {
    return IsWindowVisible(window) && WindowText(window) == ErrorCaption;
  }));
}
HWND WaitForErrorBox(const ChildProcess& process) {
  return WaitForWindow([&]() -> HWND {
    for (HWND window : ProcessWindows(process.Id(), L"#32770"))
      if (IsWindowVisible(window) && WindowText(window) == ErrorCaption) return window;
    return nullptr;
  });
}

class FullDiskTest : public ProgramTest {
 protected:
  void SetUp() override {
    wchar_t disk[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QUORVEX_FULL_DISK", disk, MAX_PATH) == 0)
      GTEST_SKIP() << "no disk of its own to fill: mounting a small tmpfs was refused (it needs root)";
    ProgramTest::SetUp();
    // Wine's drive Z: is the root of the Unix file system.
    std::wstring path = std::wstring(L"Z:") + disk;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    home = path;
    fs::copy_file(BesideTests(L"default.lng"), home / "default.lng");
    fs::copy_file(BesideTests(L"virtual-train-controller.qvjoy"), home / "default.qvjoy");
    UseController(StillController(1000));
    profile = WriteFile("lever.qvprof", "{ MULTILEVEL\n  { COMPATIBILITY\n    TapPause=20\n  }\n}\n");
    WriteFile("config.ml", "{ MULTILEVEL\n  LastFile=" + profile.string() + "\n}\n");
  }
  // Writes a file of filler until the disk takes no more.
  void Fill() {
    HANDLE file = CreateFileW((home / "filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string chunk(4096, 'x');
    DWORD done = 0;
    for (DWORD size = 4096; size > 0; size /= 2)
      while (::WriteFile(file, chunk.data(), size, &done, nullptr) && done == size) {
      }
    CloseHandle(file);
  }

  fs::path profile;
};

TEST_F(FullDiskTest, EachSaveFailsWithOneBoxNamingTheFileAndLeavesTheOldFileAsItWas) {
  ChildProcess& program = Start();
  HWND main = WaitForMainWindow(program);
  ASSERT_NE(main, nullptr);
  Fill();
  const std::set<std::wstring> files = Listing(home);
  const struct {
    const char* what;
    fs::path file;
    std::function<void()> save;
  } saves[] = {
      {"profile", profile, [&] { PostMessageW(main, WM_COMMAND, WPARAM(ui::TActionId::Save), 0); }},
      {"joystick settings", home / "default.qvjoy",
       [&] {
         PostMessageW(main, WM_COMMAND, WPARAM(ui::TActionId::JoySettings), 0);
         HWND window = WaitForDialog(program, L"Joystick axes");
         ASSERT_NE(window, nullptr);
         PostMessageW(window, WM_COMMAND, IDOK, 0);
       }},
      // Closing saves the program settings.
      {"program settings", home / "config.ml", [&] { PostMessageW(main, WM_CLOSE, 0, 0); }},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.what);
    const std::string old = Bytes(save.file);
    save.save();
    HWND box = WaitForErrorBox(program);
    ASSERT_NE(box, nullptr);
    Sleep(500);  // a second box would be up by now
    EXPECT_EQ(ErrorBoxes(program), 1);
    EXPECT_EQ(BoxTexts(box).Text, L"Cannot write file \"" + save.file.wstring() + L"\"");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    EXPECT_EQ(Bytes(save.file), old);
    EXPECT_EQ(Listing(home), files);
  }
  EXPECT_TRUE(program.WaitExit(10000));
}

}  // namespace
}  // namespace qv::test
