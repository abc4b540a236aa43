#include "engine/Sound.h"

#include <atomic>
#include <optional>
#include <thread>

namespace qv {
namespace {

// In place from the start, so that the references handed out stay valid
// when CreateMixers re-creates the mixers on the real platform.
std::optional<TMixer> playback{std::in_place};
std::optional<TMixer> recording{std::in_place};

// The first call into the platform's mixer loads the sound card's driver
// and connects to the sound server: under Wine a tenth of the time to the
// main window, for commands that many profiles never use. So the mixers are
// opened, and the devices the settings chose taken, when a sound command or
// the settings first need them. Either thread may be the first (a sound command on the poll thread,
// saving the settings on the window thread while polling runs): the one that
// wins opens, the other waits for it.
enum TOpenState : int { Pending, Opening, Opened };
std::atomic<int> openState{Opened};

struct TSoundChoice {
  std::u16string Playback, Recording, RecordingLine;
};
// Written only while neither mixer is in use by the poll thread.
std::optional<TSoundChoice> choice;

void DefaultRecLine(TMixer& mixer) {
  RecLine = mixer.FindSourceLineByType(mixer.RecordingDestination(), ComponentSrcMicrophone);
  if (!RecLine) RecLine = mixer.GetSourceLine(mixer.RecordingDestination(), 0);
}

void Take(const TSoundChoice& chosen) {
  playback->OpenByName(chosen.Playback);
  recording->OpenByName(chosen.Recording);
  RecLine = chosen.RecordingLine.empty()
                ? TMixerLineRec{}
                : recording->FindSourceLineByName(recording->RecordingDestination(), chosen.RecordingLine);
  if (!RecLine) DefaultRecLine(*recording);
}

void OpenIfPending() {
  int state = openState.load(std::memory_order_acquire);
  if (state == Opened) return;
  if (state == Pending && openState.compare_exchange_strong(state, Opening, std::memory_order_acq_rel)) {
    playback->Open(0);
    recording->Open(0);
    DefaultRecLine(*recording);
    if (choice) Take(*choice);
    openState.store(Opened, std::memory_order_release);
    return;
  }
  while (openState.load(std::memory_order_acquire) != Opened) std::this_thread::yield();
}

}  // namespace

TMixerLineRec RecLine;
int32_t RecPercent = DefaultRecPercent;

TMixer& PlaybackMixer() {
  OpenIfPending();
  return *playback;
}
TMixer& RecordingMixer() {
  OpenIfPending();
  return *recording;
}

void ChooseDefaultRecLine() { DefaultRecLine(RecordingMixer()); }

void ChooseSoundDevices(const std::u16string& playbackName, const std::u16string& recordingName,
                        const std::u16string& recordingLine) {
  TSoundChoice chosen{playbackName, recordingName, recordingLine};
  if (openState.load(std::memory_order_acquire) == Pending) {
    choice = std::move(chosen);
  } else {
    Take(chosen);
  }
}

void CreateMixers(MixerApi& mixers) {
  playback.emplace(mixers);
  recording.emplace(mixers);
  RecLine = {};
  choice.reset();
  openState.store(Pending, std::memory_order_release);
}

}  // namespace qv
