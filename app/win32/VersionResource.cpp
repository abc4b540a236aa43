#include "app/win32/VersionResource.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "base/Utf.h"

namespace qv::win32 {
namespace {

struct TTranslation {
  WORD Language;
  WORD CodePage;
};

}  // namespace

std::string ReadFileVersion(const std::u16string& programPath) {
  // The wide functions: a folder name outside the system's code page would
  // not survive the narrow ones.
  const auto* path = reinterpret_cast<const wchar_t*>(programPath.c_str());
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
  if (size == 0) return {};
  std::vector<BYTE> info(size);
  if (!GetFileVersionInfoW(path, 0, size, info.data())) return {};

  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(TTranslation))
    return {};
  const auto* translation = static_cast<const TTranslation*>(value);
  wchar_t key[64];
  std::swprintf(key, std::size(key), L"\\StringFileInfo\\%04X%04X\\FileVersion", translation->Language,
                translation->CodePage);
  if (!VerQueryValueW(info.data(), key, &value, &length) || length == 0) return {};
  // length counts characters, the terminating zero included.
  const auto* text = static_cast<const char16_t*>(value);
  std::u16string_view version(text, length);
  if (const auto zero = version.find(u'\0'); zero != std::u16string_view::npos)
    version = version.substr(0, zero);
  return ToUtf8(version);
}

}  // namespace qv::win32
