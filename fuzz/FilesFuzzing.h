#pragma once
// What the file fuzz targets share: the example controller attached as the
// program would find it, and documents parsed from bytes and saved to bytes.
#include <cstdint>
#include <string>

#include "formats/Multilevel.h"
#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"

namespace qv::fuzz {

inline void AttachExampleController() {
  static sim::TVirtualJoystick controllers(sim::LoadVirtualControllers(u""));
  static input::TJoystick joystick;
  joystick.Initialise(controllers);
}

// False for bytes that are no document; the tree keeps what was read.
inline bool Parse(const uint8_t* data, size_t size, TMultilevel& root) {
  TMemoryStream input(data, size);
  try {
    root.LoadFromReader(CreateUnicodeInput(input), 0);
    return true;
  } catch (const EMultilevelInvalidFormat&) {
    return false;
  }
}

inline bool Parse(const std::string& bytes, TMultilevel& root) {
  return Parse(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), root);
}

inline std::string Saved(const TMultilevel& root) {
  TMemoryStream bytes;
  root.SaveToWriter(*CreateUnicodeOutput(bytes, encUtf8, true, leCRLF));
  return std::string(bytes.Bytes().begin(), bytes.Bytes().end());
}

}  // namespace qv::fuzz
