#pragma once
// The program's own top-level windows as a test finds them from outside:
// its dialogs by caption, its message boxes and the words they show.
#include <windows.h>

#include <algorithm>
#include <string>

#include "tests/win32/Win32Process.h"

namespace qv::test {

// A top-level window of the program with this caption.
inline HWND WaitForDialog(const ChildProcess& process, const std::wstring& caption) {
  return WaitForWindow([&]() -> HWND {
    for (HWND window : ProcessWindows(process.Id(), L"#32770"))
      if (IsWindowVisible(window) && WindowText(window) == caption) return window;
    return nullptr;
  });
}

// The texts of a message box: its caption and the words of its statics.
struct TBox {
  std::wstring Caption;
  std::wstring Text;
};
inline TBox BoxTexts(HWND box) {
  TBox texts{WindowText(box), L""};
  EnumChildWindows(
      box,
      [](HWND child, LPARAM param) -> BOOL {
        wchar_t name[32] = {};
        GetClassNameW(child, name, 32);
        if (std::wstring(name) == L"Static") reinterpret_cast<TBox*>(param)->Text += WindowText(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&texts));
  return texts;
}
inline HWND WaitForBox(const ChildProcess& process) {
  return WaitForWindow([&] {
    HWND box = FindProcessWindow(process.Id(), L"#32770");
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
  });
}
inline int CountBoxes(const ChildProcess& process) {
  const auto boxes = ProcessWindows(process.Id(), L"#32770");
  return static_cast<int>(
      std::count_if(boxes.begin(), boxes.end(), [](HWND box) { return IsWindowVisible(box); }));
}

inline const std::wstring ErrorCaption = std::wstring(L"Quorvex v. ") + L"" QV_EXPECTED_VERSION;

}  // namespace qv::test
