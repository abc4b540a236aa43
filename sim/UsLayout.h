#pragma once
// A fixed US keyboard: scan codes of the common virtual keys and their names.
#include "engine/Seams.h"

namespace qv::sim {

class UsLayout final : public KeyboardLayout {
 public:
  uint16_t ScanCodeOf(uint32_t vkey) override;
  std::u16string KeyName(int32_t keyParam) override;
};

}  // namespace qv::sim
