#include "storage/ProgramSettingsFile.h"

#include <exception>

#include "base/ProgramFolder.h"
#include "engine/Profile.h"
#include "engine/Sound.h"
#include "formats/Multilevel.h"
#include "formats/SafeSave.h"
#include "input/i_Joystick.h"

namespace qv {

const std::u16string& ProgramSettingsFileName() {
  static const std::u16string name = ProgramFolder() + u"config.ml";
  return name;
}

void LoadProgramSettings(input::TJoystick& joystick, const std::u16string& fileName) {
  try {
    TMultilevel document;
    document.LoadFromFile(fileName);
    // The line name is compared as the wide text it was saved as: a name
    // outside the system's code page would otherwise never match again.
    ChooseSoundDevices(document.ReadString("SoundSource", u""), document.ReadString("RecDevice", u""),
                       document.ReadString("RecLine", u""));
    RecPercent = document.ReadInteger("RecPercent", RecPercent);
    joystick.SetPreferredName(document.ReadString("BindToJoystick", u""));
    if (ProfileFileName.empty()) ProfileFileName = document.ReadString("LastFile", u"");
  } catch (const std::exception&) {
    // The program starts with what it has; the file is written anew at the end.
  }
}

void SaveProgramSettings(const input::TJoystick& joystick, const std::u16string& fileName) {
  TMultilevel document;
  document.AddVariable("SoundSource", PlaybackMixer().Name());
  if (RecLine) {
    document.AddVariable("RecDevice", RecordingMixer().Name());
    document.AddVariable("RecLine", RecLine.Line.Name);
  }
  document.AddIntVariable("RecPercent", RecPercent);
  if (!ProfileFileName.empty()) document.AddVariable("LastFile", ProfileFileName);
  if (!joystick.PreferredName().empty()) document.AddVariable("BindToJoystick", joystick.PreferredName());
  SaveDocumentSafely(document, fileName);
}

}  // namespace qv
