#include "base/Error.h"

#include "base/Utf.h"

namespace qv {

Error::Error(std::u16string message) : message_(std::move(message)), utf8_(ToUtf8(message_)) {}

}  // namespace qv
