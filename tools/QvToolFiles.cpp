#include "tools/QvToolFiles.h"

#include "base/Utf.h"
#include "engine/Profile.h"
#include "storage/FilePaths.h"
#include "storage/JoySettingsFile.h"
#include "tools/QvToolOutput.h"

namespace qv::tool {

int MissingFile(const std::u16string& fileName, std::ostream& err) {
  err << "qvtool: Cannot open file \"" << ToUtf8(fileName) << "\"\n";
  return 2;
}

int LoadJoySettingsFile(const std::optional<std::u16string>& fileName, std::ostream& err) {
  JoySettings = TJoySettings{};
  if (!fileName) return 0;
  if (!IsExistingFile(*fileName)) return MissingFile(*fileName, err);
  try {
    TMultilevel document;
    document.LoadFromFile(*fileName);
  } catch (const EMultilevel& e) {
    return PrintFileError(*fileName, e.message(), err);
  }
  const std::u16string error = LoadJoySettings(*fileName);
  return error.empty() ? 0 : PrintFileError(*fileName, error, err);
}

}  // namespace qv::tool
