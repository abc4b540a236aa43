#pragma once
// Readers over bytes held in memory, for the format tests.
#include <memory>
#include <string>

#include "formats/UniText.h"

namespace qv::test {

inline std::unique_ptr<TUnicodeInput> ReaderOver(const std::string& bytes) {
  return CreateUnicodeInput(std::make_unique<TMemoryStream>(bytes.data(), bytes.size()));
}

inline std::string BytesOf(const TMemoryStream& stream) {
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

}  // namespace qv::test
