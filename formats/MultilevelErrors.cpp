#include "formats/MultilevelErrors.h"

#include "base/Utf.h"
#include "formats/AnsiCodePage.h"
#include "formats/Multilevel.h"

namespace qv {
namespace {

std::u16string Compose(std::u16string_view title, int32_t lineNo, std::u16string_view detail) {
  std::u16string text(title);
  if (lineNo != 0) text += u" in line " + FromUtf8(std::to_string(lineNo));
  text += u":\r";
  text += detail;
  return text;
}

}  // namespace

EMultilevel::EMultilevel(std::u16string_view title, int32_t lineNo, std::u16string_view detail)
    : Error(Compose(title, lineNo, detail)) {}

EMultilevelInvalidFormat::EMultilevelInvalidFormat(int32_t lineNo)
    : EMultilevel(u"Multilevel loader error", lineNo, u"Invalid format") {}

EMultilevelReqmentError::EMultilevelReqmentError(const TMultilevel* section, int32_t lineNo,
                                                 std::u16string_view detail)
    : EMultilevel(u"Multilevel application error", lineNo, detail), Section(section) {}

EMultilevelReqNoVariable::EMultilevelReqNoVariable(const TMultilevel* section, std::string name)
    : EMultilevelReqmentError(section, section->LineNo, u"Variable " + AnsiToWide(name) + u" doesn't exist."),
      VarName(std::move(name)) {}

EMultilevelReqConvertError::EMultilevelReqConvertError(const TVariable* variable)
    : EMultilevelReqmentError(
          variable->Owner, variable->LineNo,
          u"Variable " + AnsiToWide(variable->Name) + u"=" + variable->Value + u" conversion error."),
      Variable(variable) {}

}  // namespace qv
