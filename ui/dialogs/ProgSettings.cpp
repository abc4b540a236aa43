#include "ui/dialogs/ProgSettings.h"

#include <algorithm>
#include <array>

#include "engine/Sound.h"
#include "input/i_Joystick.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

TProgSettings::TProgSettings(const input::TJoystick& joystick) : temporary_(PlaybackMixer().Api()) {
  for (int i = 0, count = temporary_.DeviceCount(); i < count; ++i)
    Devices.push_back(temporary_.DeviceName(i));
  PlayDevice = PlaybackMixer().DeviceIndex();
  RecDevice = RecordingMixer().DeviceIndex();
  ChooseRecordingDevice(RecDevice);
  Level = RecPercent;
  Binding = joystick.PreferredName();
}

void TProgSettings::ChooseRecordingDevice(int index) {
  RecDevice = index;
  temporary_.Open(index);
  Lines.clear();
  Line = -1;
  const TMixerLineRec& destination = temporary_.RecordingDestination();
  if (destination) {
    for (uint32_t s = 0; s < destination.Line.Connections; ++s) {
      const TMixerLineRec line = temporary_.GetSourceLine(destination, s);
      Lines.push_back(line ? line.Line.Name : std::u16string());
    }
  }
  if (Lines.empty()) return;
  // The current line belongs to the recording mixer's device only; on any
  // other device its source index would name an unrelated line.
  const bool current =
      RecLine && RecordingMixer().IsOpen() && RecordingMixer().DeviceIndex() == temporary_.DeviceIndex();
  Line = current && RecLine.Line.Source < Lines.size() ? int(RecLine.Line.Source) : 0;
}

void TProgSettings::Store(input::TJoystick& joystick) const {
  PlaybackMixer().Open(PlayDevice);
  TMixer& recording = RecordingMixer();
  recording.Open(RecDevice);
  RecLine =
      Line < 0 ? TMixerLineRec{} : recording.GetSourceLine(recording.RecordingDestination(), uint32_t(Line));
  RecPercent = std::clamp(Level, MinLevel, MaxLevel);
  joystick.SetPreferredName(Binding);
}

std::vector<std::u16string> BindingItems(std::span<const std::u16string> controllers) {
  std::vector<std::u16string> items{std::u16string()};
  items.insert(items.end(), controllers.begin(), controllers.end());
  return items;
}

std::span<const TControlText> ProgSettingsTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"grpPlay", lang::Kind::GroupBox, IDC_GRP_PLAY},
      {"lbSoundSource", lang::Kind::Label, IDC_LB_SOUND_SOURCE},
      {"grpRec", lang::Kind::GroupBox, IDC_GRP_REC},
      {"lbRecSource", lang::Kind::Label, IDC_LB_REC_SOURCE},
      {"lbRecLine", lang::Kind::Label, IDC_LB_REC_LINE},
      {"lbMicVolume", lang::Kind::Label, IDC_LB_MIC_VOLUME},
      {"grpBinding", lang::Kind::GroupBox, IDC_GRP_BINDING},
      {"lbJoystick", lang::Kind::Label, IDC_LB_JOYSTICK},
      {"lbBindingNote", lang::Kind::Label, IDC_LB_BINDING_NOTE},
      {"hintPlayDev", lang::Kind::SpeedButton, IDC_COMBO_PLAY_DEV},
      {"hintRecDev", lang::Kind::SpeedButton, IDC_COMBO_REC_DEV},
      {"hintRecLine", lang::Kind::SpeedButton, IDC_COMBO_REC_LINE},
      {"hintMicLevel", lang::Kind::SpeedButton, IDC_SPIN_MIC_LEVEL},
      {"hintJoystick", lang::Kind::SpeedButton, IDC_ED_JOYSTICK},
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
