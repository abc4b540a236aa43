#pragma once
// What the file fuzz targets share: the example controller attached as the
// program would find it, and documents parsed from bytes and saved to bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/Tracker.h"
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

// One kind of file: how its tables start afresh, take a document, and make
// the document they save to.
struct TFileKind {
  void (*Reset)();
  void (*Read)(const TMultilevel& root);
  void (*Build)(TMultilevel& root);
};

// False when the document reads only in part (the tables keep that part).
inline bool ReadInto(const TFileKind& kind, const TMultilevel& root) {
  kind.Reset();
  try {
    kind.Read(root);
    return true;
  } catch (const Error&) {
    return false;
  }
}

inline std::string SavedFrom(const TFileKind& kind) {
  RebuildTrackers();
  TMultilevel root;
  kind.Build(root);
  return Saved(root);
}

// What the tables save must read back, whole, into tables that save the same.
inline void CheckRoundTrip(const TFileKind& kind) {
  const std::string first = SavedFrom(kind);
  TMultilevel again;
  if (!Parse(first, again) || !ReadInto(kind, again) || SavedFrom(kind) != first) std::abort();
}

}  // namespace qv::fuzz
