#include "app/win32/HandOffPlatform.h"

#include <windows.h>

#include <vector>

#include "lang/Lang.h"
#include "storage/FilePaths.h"
#include "ui/HandOff.h"

namespace qv::win32 {
namespace {

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
HWND Window(uintptr_t window) { return reinterpret_cast<HWND>(window); }

// MB_YESNO | MB_ICONEXCLAMATION.
constexpr UINT AskFlags = 0x34;

class TSystemHandOff final : public THandOffPlatform {
 public:
  uintptr_t FindWindowByTitle(const std::u16string& title) override {
    return reinterpret_cast<uintptr_t>(FindWindowW(nullptr, Wide(title)));
  }
  uintptr_t Send(uintptr_t window, uint32_t message) override {
    return static_cast<uintptr_t>(SendMessageW(Window(window), message, 0, 0));
  }
  std::u16string FullPath(const std::u16string& name) override { return qv::FullPath(name); }
  bool FileExists(const std::u16string& path) override { return IsExistingFile(path); }
  void AllowForeground(uintptr_t window) override {
    DWORD process = 0;
    if (GetWindowThreadProcessId(Window(window), &process) != 0) AllowSetForegroundWindow(process);
  }
  void SetForeground(uintptr_t window) override { SetForegroundWindow(Window(window)); }
  void SendPath(uintptr_t window, const std::u16string& path) override {
    if (path.size() >= ui::HandOffUnits) return;
    // The receiver of older copies reads a whole hand-off buffer.
    std::vector<char16_t> buffer(ui::HandOffUnits, u'\0');
    std::copy(path.begin(), path.end(), buffer.begin());
    COPYDATASTRUCT copy{};
    copy.cbData = static_cast<DWORD>((path.size() + 1) * sizeof(char16_t));
    copy.lpData = buffer.data();
    SendMessageW(Window(window), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
  }
  bool AskStartSecondCopy() override {
    const std::u16string text = lang::LangTranslate("EXCEPT", "exUnableToPass");
    const std::u16string caption = lang::LangTranslate("fmMain", "fmMain");
    return MessageBoxW(nullptr, Wide(text), Wide(caption), AskFlags) == IDYES;
  }
};

}  // namespace

THandOffPlatform& SystemHandOff() {
  static TSystemHandOff platform;
  return platform;
}

}  // namespace qv::win32
