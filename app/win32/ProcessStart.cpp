#include "app/win32/ProcessStart.h"

#include <windows.h>
// after windows.h
#include <shellapi.h>

namespace qv::win32 {

std::vector<std::u16string> CommandLineArguments() {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::u16string> result;
  if (arguments == nullptr) return result;
  for (int i = 1; i < count; ++i) result.emplace_back(reinterpret_cast<const char16_t*>(arguments[i]));
  LocalFree(arguments);
  return result;
}

std::optional<int> StartupShowState() {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  if ((startup.dwFlags & STARTF_USESHOWWINDOW) == 0) return std::nullopt;
  return startup.wShowWindow;
}

}  // namespace qv::win32
