#include <algorithm>
#include <cstring>

#include "formats/ByteStream.h"

namespace qv {

TMemoryStream::TMemoryStream(const void* data, size_t size)
    : bytes_(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size) {}

size_t TMemoryStream::Read(void* buffer, size_t count) {
  if (position_ >= bytes_.size()) return 0;
  size_t n = std::min(count, static_cast<size_t>(bytes_.size() - position_));
  std::memcpy(buffer, bytes_.data() + position_, n);
  position_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, size_t count) {
  size_t at = static_cast<size_t>(position_);
  if (bytes_.size() < at + count) bytes_.resize(at + count);
  if (count > 0) std::memcpy(bytes_.data() + at, buffer, count);
  position_ += count;
}

}  // namespace qv
