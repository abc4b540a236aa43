#include "engine/SysCmd.h"

#include <algorithm>

#include "engine/Evaluate.h"
#include "engine/Sound.h"

namespace qv {
namespace {

// A count comes from a profile's Repeat and may be anything; a step beyond
// 100 percent means no more than 100.
int64_t VolumeStep(int32_t count) { return std::clamp<int32_t>(count, 1, 100); }

uint32_t RecLevel() { return PercentToRaw(RecPercent); }

void RunSound(bool up, int32_t command, int32_t count) {
  const TMixerLineRec& speakers = PlaybackMixer().PlaybackDestination();
  switch (command) {
    case scRecOff:
      SetVolume(RecLine, up ? RecLevel() : 0);
      break;
    case scRecOn:
      SetVolume(RecLine, up ? 0 : RecLevel());
      break;
    case scRecToggle:
      ModifyVolume(RecLine, ToggleLevel, RecLevel());
      break;
    case scSoundOff:
      ModifyMute(speakers, SetValue, up ? 0 : 1);
      break;
    case scSoundOn:
      ModifyMute(speakers, SetValue, up ? 1 : 0);
      break;
    case scSoundToggle:
      ModifyMute(speakers, ToggleMute, 0);
      break;
    case scSoundVolDown:
      ModifyVolume(speakers, StepVolumePercent, -VolumeStep(count));
      break;
    case scSoundVolUp:
      ModifyVolume(speakers, StepVolumePercent, VolumeStep(count));
      break;
    default:
      break;
  }
}

}  // namespace

void DispatchSysCmd(bool up, int32_t command, int32_t count) {
  if (command <= scNone || command >= scFirstKeyName) return;
  if (up && SysCmdInfo[static_cast<size_t>(command)].Kind == skDownOnly) return;
  switch (command) {
    case scDemandParkAll:
      ParkAllAxes();
      ParkAllButtons();
      break;
    case scDemandParkAxes:
      ParkAllAxes();
      break;
    case scDemandParkButtons:
      ParkAllButtons();
      break;
    default:
      if (command < scDemandParkAll) {
        ParkAxis(command - scDemandPark00);
      } else {
        RunSound(up, command, count);
      }
  }
}

void StartSystemCommands(MixerApi& mixers) {
  EngineHooks.SysCommand = DispatchSysCmd;
  EngineHooks.SysCmdName = SysCmdName;
  EngineHooks.VkeyName = VkeyName;
  CreateMixers(mixers);
}

}  // namespace qv
