#pragma once
// The engine's sound state: the playback and recording mixers, which live
// from the program's start-up to its end, the recording line and its level.
// The settings file and the program settings dialog set them while polling
// is stopped; the sound commands use them on the poll thread.
#include <cstdint>

#include "mixer/Mixer.h"

namespace qv {

// Its playback destination (speakers) is muted and stepped.
TMixer& PlaybackMixer();
// One source line of its recording destination is switched on and off.
TMixer& RecordingMixer();

extern TMixerLineRec RecLine;
// Percent as read from the settings, kept as read so they save back
// unchanged; bounded to 0..100 where it is used.
extern int32_t RecPercent;
constexpr int32_t DefaultRecPercent = 50;

// The recording mixer's microphone source, else its first source line.
void ChooseDefaultRecLine();

// Both mixers anew over the platform's mixer, opened on device 0, with the
// default recording line. Polling must be stopped.
void CreateMixers(MixerApi& mixers);

}  // namespace qv
