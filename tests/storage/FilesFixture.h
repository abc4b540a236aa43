#pragma once
// A stand-in joystick (axes, buttons and hats of Index 0..n-1), fresh tables,
// a temporary folder, and helpers to write a document and read back what the
// program would save.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/Utf.h"
#include "engine/Hooks.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "formats/Multilevel.h"
#include "sim/StandInDevice.h"
#include "tests/FileBytes.h"
#include "tests/TempFolder.h"

namespace qv::test {

// Lines in UTF-8, each ended by CR LF, after a byte order mark.
inline std::string Document(const std::vector<std::string_view>& lines) {
  std::string bytes = "\xEF\xBB\xBF";
  for (std::string_view line : lines) (bytes += line) += "\r\n";
  return bytes;
}

// "{ A|x=1|}" as the lines "{ A", "x=1", "}": a document written on one line.
inline std::vector<std::string_view> Lines(std::string_view joined) {
  std::vector<std::string_view> lines;
  for (size_t start = 0, bar = 0; bar != std::string_view::npos; start = bar + 1) {
    bar = joined.find('|', start);
    lines.push_back(joined.substr(start, bar == std::string_view::npos ? bar : bar - start));
  }
  return lines;
}

inline std::string Saved(const TMultilevel& document) {
  TMemoryStream bytes;
  document.SaveToWriter(*CreateUnicodeOutput(bytes, encUtf8, true, leCRLF));
  return std::string(bytes.Bytes().begin(), bytes.Bytes().end());
}

inline std::string GoldenFile(const std::string& name) {
  return ReadBytes(FromUtf8(std::string(GOLDEN_DIR) + "/" + name));
}

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EngineHooks = TEngineHooks{};
    EngineHooks.ProfileChanged = [this] { ++profileChanged; };
    JoySettings = TJoySettings{};
    device.Attach(4, 8, 1);
    ResetProfile();
    ClearModified();
    RebuildTrackers();
    profileChanged = 0;
  }
  void TearDown() override { EngineHooks = TEngineHooks{}; }

  // Axis Index `index` becomes a lever with `notches` rest values.
  static void Lever(int index, int notches) {
    TAxisSettings& s = JoySettings.Axes[static_cast<size_t>(index)];
    s.Type = atMultipos;
    s.Count = notches;
    for (int i = 0; i < notches; ++i) s.Value[static_cast<size_t>(i)] = 1000 + 2000 * i;
  }

  std::u16string Write(const std::u16string& name, const std::string& bytes) const {
    const std::u16string file = folder.File(name);
    WriteBytes(file, bytes);
    return file;
  }

  TempFolder folder;
  sim::TStandInDevice device;
  int profileChanged = 0;
};

}  // namespace qv::test
