#include "ui/win32/ErrorBox.h"

#include <exception>

#include "base/Utf.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "lang/SafeFormat.h"
#include "ui/win32/Wide.h"

namespace qv::ui {
namespace {
std::u16string version;
}

void SetErrorBoxVersion(std::u16string text) { version = std::move(text); }

std::u16string CurrentErrorText() {
  try {
    throw;
  } catch (const lang::EMultilang& e) {
    return lang::DisplayText(e);
  } catch (const Error& e) {
    return e.message();
  } catch (const std::exception& e) {
    return FromUtf8(e.what());
  } catch (...) {
    return u"?";
  }
}

void ShowCurrentError(HWND owner) noexcept {
  try {
    const std::u16string text = CurrentErrorText();
    std::u16string title = u"Quorvex";
    try {
      title = lang::SafeFormat(lang::LangTranslate("", "msgTitle"), {version});
    } catch (...) {
      // No language yet: the plain name still says whose box this is.
    }
    MessageBoxW(owner, W(text), W(title), MB_ICONERROR | MB_SETFOREGROUND);
  } catch (...) {
    // Out of memory while reporting: nothing more can be shown.
  }
}

}  // namespace qv::ui
