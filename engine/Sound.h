#pragma once
// The engine's sound state: the playback and recording mixers, which live
// from the program's start-up to its end, the recording line and its level.
// The settings file and the program settings dialog set them while polling
// is stopped; the sound commands use them on the poll thread.
#include <cstdint>

#include "mixer/Mixer.h"

namespace qv {

// Its playback destination (speakers) is muted and stepped. Both mixers
// open on their first use after CreateMixers; RecLine is chosen then too.
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

// The devices and the recording line the program settings name: taken when
// the mixers open, or at once when they are open already. A name that
// matches nothing keeps device 0, or the default recording line. Polling
// must be stopped.
void ChooseSoundDevices(const std::u16string& playbackName, const std::u16string& recordingName,
                        const std::u16string& recordingLine);

// Both mixers anew over the platform's mixer, to be opened on device 0, with
// the default recording line, when they are first used. Polling must be
// stopped.
void CreateMixers(MixerApi& mixers);

}  // namespace qv
