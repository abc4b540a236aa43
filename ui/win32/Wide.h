#pragma once
// UTF-16 text as the wide Windows API takes it: the same code units.
#include <string>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv::ui {

inline const wchar_t* W(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* W(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline std::u16string U(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace qv::ui
