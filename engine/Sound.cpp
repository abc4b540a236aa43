#include "engine/Sound.h"

#include <optional>

namespace qv {
namespace {

// In place from the start, so that the references handed out stay valid
// when CreateMixers re-creates the mixers on the real platform.
std::optional<TMixer> playback{std::in_place};
std::optional<TMixer> recording{std::in_place};

}  // namespace

TMixerLineRec RecLine;
int32_t RecPercent = DefaultRecPercent;

TMixer& PlaybackMixer() { return *playback; }
TMixer& RecordingMixer() { return *recording; }

void ChooseDefaultRecLine() {
  TMixer& mixer = RecordingMixer();
  RecLine = mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone);
  if (!RecLine) RecLine = mixer.GetSourceLine(mixer.RecordingDestination(), 0);
}

void CreateMixers(MixerApi& mixers) {
  playback.emplace(mixers);
  recording.emplace(mixers);
  playback->Open(0);
  recording->Open(0);
  ChooseDefaultRecLine();
}

}  // namespace qv
