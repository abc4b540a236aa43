#include <windows.h>

#include <cstdio>
#include <vector>

#include "app/StartUp.h"

namespace qv::app {

std::u16string ReadProgramVersion() {
  wchar_t path[MAX_PATH];
  if (!GetModuleFileNameW(nullptr, path, MAX_PATH)) return {};
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<char> data(size);
  if (!GetFileVersionInfoW(path, 0, size, data.data())) return {};
  struct Translation {
    WORD Language, CodePage;
  }* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                      &length) ||
      length < sizeof(Translation))
    return {};
  wchar_t query[64];
  swprintf(query, 64, L"\\StringFileInfo\\%04X%04X\\FileVersion", translation->Language,
           translation->CodePage);
  wchar_t* text = nullptr;
  if (!VerQueryValueW(data.data(), query, reinterpret_cast<void**>(&text), &length) || !text) return {};
  return reinterpret_cast<const char16_t*>(text);
}

int32_t BuildNumber(const std::u16string& version) {
  const size_t dot = version.rfind(u'.');
  if (dot == std::u16string::npos || dot + 1 == version.size()) return 0;
  int64_t value = 0;
  for (size_t i = dot + 1; i < version.size(); ++i) {
    const char16_t c = version[i];
    if (c < u'0' || c > u'9' || value > 0x7FFFFFFF / 10) return 0;
    value = value * 10 + (c - u'0');
  }
  return int32_t(value);
}

}  // namespace qv::app
