#include "lang/EMultilang.h"

#include "formats/AnsiCodePage.h"
#include "lang/Lang.h"

namespace qv::lang {

std::u16string DisplayText(const EMultilang& error) {
  try {
    // The message is an id of section "EXCEPT": a name, so in the ANSI code page.
    return LangTranslate("EXCEPT", WideToAnsi(error.message()));
  } catch (const Error&) {
    return error.builtIn() + u"\r(" + error.message() + u")";
  }
}

}  // namespace qv::lang
