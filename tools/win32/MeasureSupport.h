#pragma once
// What the measuring tools share: the program started as a user starts it,
// its main window waited for, and the program made to play a controller
// timeline of the tool's own whose start it reports on the clock that
// stamps key messages, so that each change's due moment is known.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/win32/Win32Process.h"

namespace qv::measure {

inline HWND WaitForVisibleWindow(const test::ChildProcess& process, const wchar_t* className) {
  return test::WaitForWindow(
      [&] {
        HWND window = test::FindProcessWindow(process.Id(), className);
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
      },
      60000);
}

// The value below which p (0..1) of the values lie, nearest rank.
inline double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<size_t>(std::ceil(p * static_cast<double>(values.size())));
  return values[std::clamp<size_t>(rank, 1, values.size()) - 1];
}

inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// quorvex.exe from folder (with its language file and joystick settings
// there), the profile as the one used last, reading a virtual controller
// whose file body (the CONTROLLER section) the tool wrote.
class TProgramRun {
 public:
  TProgramRun(const std::filesystem::path& folder, const std::filesystem::path& profile,
              const std::string& controller)
      : startFile_(folder / "timeline-start.txt") {
    std::ofstream(folder / "measure-controller.ml", std::ios::binary) << "{ MULTILEVEL\n"
                                                                      << controller << "}\n";
    std::ofstream(folder / "config.ml", std::ios::binary)
        << "\xEF\xBB\xBF{ MULTILEVEL\r\n  LastFile=" << Utf8(profile) << "\r\n}\r\n";
    std::filesystem::remove(startFile_);
    SetEnvironmentVariableW(L"QUORVEX_VIRTUAL_JOYSTICK",
                            (folder / "measure-controller.ml").wstring().c_str());
    SetEnvironmentVariableW(L"QUORVEX_TIMELINE_START", startFile_.wstring().c_str());
    process_ = std::make_unique<test::ChildProcess>(L"\"" + (folder / "quorvex.exe").wstring() + L"\"");
    main_ = process_->Started() ? WaitForVisibleWindow(*process_, L"TfmMain") : nullptr;
    if (main_ == nullptr) return;
    test::WaitUntil([&] { return std::filesystem::exists(startFile_); }, 5000);
    uint32_t tick = 0;
    if (std::ifstream(startFile_) >> tick) timelineStart_ = tick;
  }
  ~TProgramRun() {
    if (main_ != nullptr) PostMessageW(main_, WM_CLOSE, 0, 0);
    if (process_) process_->WaitExit(10000);
  }
  TProgramRun(const TProgramRun&) = delete;
  TProgramRun& operator=(const TProgramRun&) = delete;

  HWND Main() const { return main_; }
  // The tick count at which the timeline's At=0 fell; empty when the program
  // did not start or did not say.
  std::optional<uint32_t> TimelineStart() const { return timelineStart_; }

 private:
  std::filesystem::path startFile_;
  std::unique_ptr<test::ChildProcess> process_;
  HWND main_ = nullptr;
  std::optional<uint32_t> timelineStart_;
};

// Waits until the tick count reaches due (wrapping), pumping messages.
inline void WaitForTick(uint32_t due) {
  test::WaitUntil([&] { return static_cast<int32_t>(GetTickCount() - due) >= 0; }, 24u * 3600u * 1000u);
}

}  // namespace qv::measure
