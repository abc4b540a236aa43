#include "lang/EMultilang.h"

#include "base/Utf.h"
#include "lang/Lang.h"

namespace qv::lang {

std::u16string DisplayText(const EMultilang& error) {
  try {
    return LangTranslate("EXCEPT", ToUtf8(error.message()));
  } catch (const Error&) {
    return error.builtIn() + u"\r(" + error.message() + u")";
  }
}

}  // namespace qv::lang
