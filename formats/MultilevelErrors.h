#pragma once
// The errors of the Multilevel format. Every message reads: title, " in line
// N" unless the line is 0, ":", one CR, detail.
#include <cstdint>
#include <string>

#include "base/Error.h"

namespace qv {

class TMultilevel;
class TVariable;

class EMultilevel : public Error {
 public:
  EMultilevel(std::u16string_view title, int32_t lineNo, std::u16string_view detail);
};

class EMultilevelInvalidFormat : public EMultilevel {
 public:
  explicit EMultilevelInvalidFormat(int32_t lineNo);
};

class EMultilevelReqmentError : public EMultilevel {
 public:
  EMultilevelReqmentError(const TMultilevel* section, int32_t lineNo, std::u16string_view detail);
  // The section that was asked; it belongs to the caller's document.
  const TMultilevel* Section;
};

class EMultilevelReqNoVariable : public EMultilevelReqmentError {
 public:
  EMultilevelReqNoVariable(const TMultilevel* section, std::string name);
  std::string VarName;
};

class EMultilevelReqConvertError : public EMultilevelReqmentError {
 public:
  explicit EMultilevelReqConvertError(const TVariable* variable);
  const TVariable* Variable;
};

}  // namespace qv
