#include "mixer/Mixer.h"

namespace qv {
namespace {

class TNoMixerApi final : public MixerApi {
 public:
  int DeviceCount() override { return 0; }
  std::optional<TMixerCaps> Caps(int) override { return std::nullopt; }
  std::unique_ptr<MixerDevice> Open(int) override { return nullptr; }
};

// A mute control holds 0 or 1; only the low bits of a result are meant for it.
constexpr uint32_t MuteMask = 0x7F;
constexpr uint32_t VolumeMask = 0xFFFFFFFF;

}  // namespace

MixerApi& NoMixerApi() {
  static TNoMixerApi none;
  return none;
}

TMixer::TMixer(MixerApi& api) : api_(&api) {}

TMixer::~TMixer() = default;

int TMixer::DeviceCount() const { return api_->DeviceCount(); }

std::u16string TMixer::DeviceName(int index) const {
  if (index < 0 || index >= DeviceCount()) return {};
  const std::optional<TMixerCaps> caps = api_->Caps(index);
  return caps ? caps->Name : std::u16string();
}

void TMixer::Open(int index) {
  device_.reset();
  destinationCount_ = 0;
  recording_ = {};
  playback_ = {};
  deviceIndex_ = -1;
  deviceName_.clear();
  if (index < 0 || index >= DeviceCount()) return;
  const std::optional<TMixerCaps> caps = api_->Caps(index);
  if (!caps) return;
  device_ = api_->Open(index);
  if (!device_) return;
  deviceIndex_ = index;
  deviceName_ = caps->Name;
  destinationCount_ = caps->Destinations;
  playback_ = Complete(device_->LineByComponentType(ComponentDstSpeakers));
  for (uint32_t d = 0; d < destinationCount_; ++d) {
    const std::optional<TMixerLine> line = device_->LineByDestination(d);
    if (line && line->TargetType == TargetWaveIn) {
      recording_ = Complete(line);
      break;
    }
  }
}

void TMixer::OpenByName(const std::u16string& name) {
  const int count = DeviceCount();
  for (int i = 0; i < count; ++i) {
    if (DeviceName(i) == name) {
      Open(i);
      return;
    }
  }
}

TMixerLineRec TMixer::Complete(const std::optional<TMixerLine>& line) {
  TMixerLineRec rec;
  if (!line || !device_) return rec;
  rec.Owner = this;
  rec.Line = *line;
  rec.VolumeControl = device_->ControlId(line->LineId, ControlTypeVolume);
  rec.MuteControl = device_->ControlId(line->LineId, ControlTypeMute);
  return rec;
}

TMixerLineRec TMixer::GetSourceLine(const TMixerLineRec& destination, uint32_t source) {
  if (destination.Owner != this || !device_) return {};
  return Complete(device_->LineBySource(destination.Line.Destination, source));
}

template <class Match>
TMixerLineRec TMixer::FindSourceLine(const TMixerLineRec& destination, Match match) {
  if (destination.Owner != this) return {};
  for (uint32_t s = 0; s < destination.Line.Connections; ++s) {
    TMixerLineRec rec = GetSourceLine(destination, s);
    if (rec && match(rec.Line)) return rec;
  }
  return {};
}

TMixerLineRec TMixer::FindSourceLineByName(const TMixerLineRec& destination, const std::u16string& name) {
  return FindSourceLine(destination, [&](const TMixerLine& line) { return line.Name == name; });
}

TMixerLineRec TMixer::FindSourceLineByType(const TMixerLineRec& destination, uint32_t componentType) {
  return FindSourceLine(destination,
                        [&](const TMixerLine& line) { return line.ComponentType == componentType; });
}

void TMixer::Modify(std::optional<uint32_t> control, TValueFunction function, int64_t argument,
                    uint32_t mask) {
  if (!control || !device_) return;
  const std::optional<uint32_t> value = device_->ReadValue(*control);
  if (!value) return;
  // Nobody to tell on the poll thread: a refused write leaves the old value.
  device_->WriteValue(*control, function(*value, argument) & mask);
}

void ModifyVolume(const TMixerLineRec& line, TValueFunction function, int64_t argument) {
  if (line.Owner) line.Owner->Modify(line.VolumeControl, function, argument, VolumeMask);
}

void ModifyMute(const TMixerLineRec& line, TValueFunction function, int64_t argument) {
  if (line.Owner) line.Owner->Modify(line.MuteControl, function, argument, MuteMask);
}

void SetVolume(const TMixerLineRec& line, uint32_t value) { ModifyVolume(line, SetValue, value); }

}  // namespace qv
