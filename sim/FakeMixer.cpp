#include "sim/FakeMixer.h"

namespace qv::sim {
namespace {

constexpr uint32_t VolumeKind = 1;
constexpr uint32_t MuteKind = 2;

// Line id: destination + 1 in the high half, source + 1 (0 for the destination itself) above the kind bits.
uint32_t LineIdOf(uint32_t destination, uint32_t sourcePlusOne) {
  return (destination + 1) << 16 | sourcePlusOne << 4;
}

class FakeDevice final : public MixerDevice {
 public:
  FakeDevice(FakeMixerApi& api, int index) : api_(api), index_(static_cast<size_t>(index)) {
    ++api_.OpenDevices;
  }
  ~FakeDevice() override { --api_.OpenDevices; }

  std::optional<TMixerLine> LineByComponentType(uint32_t componentType) override {
    for (uint32_t d = 0; d < Destinations().size(); ++d) {
      if (Destinations()[d].ComponentType == componentType) return Describe(d, 0);
    }
    return std::nullopt;
  }
  std::optional<TMixerLine> LineByDestination(uint32_t destination) override {
    if (destination >= Destinations().size()) return std::nullopt;
    return Describe(destination, 0);
  }
  std::optional<TMixerLine> LineBySource(uint32_t destination, uint32_t source) override {
    if (destination >= Destinations().size() || source >= Destinations()[destination].Sources.size() ||
        Destinations()[destination].Sources[source].Unreadable)
      return std::nullopt;
    return Describe(destination, source + 1);
  }
  std::optional<uint32_t> ControlId(uint32_t lineId, uint32_t controlType) override {
    const TFakeLine* line = Find(lineId);
    if (line == nullptr) return std::nullopt;
    if (controlType == ControlTypeVolume && line->Volume) return lineId | VolumeKind;
    if (controlType == ControlTypeMute && line->Mute) return lineId | MuteKind;
    return std::nullopt;
  }
  std::optional<uint32_t> ReadValue(uint32_t controlId) override {
    std::optional<uint32_t>* control = Control(controlId);
    if (api_.FailReads || control == nullptr || !*control) return std::nullopt;
    return **control;
  }
  bool WriteValue(uint32_t controlId, uint32_t value) override {
    std::optional<uint32_t>* control = Control(controlId);
    if (control == nullptr || !*control) return false;
    *control = value;
    return true;
  }

 private:
  std::vector<TFakeLine>& Destinations() { return api_.Devices[index_].Destinations; }

  TMixerLine Describe(uint32_t destination, uint32_t sourcePlusOne) {
    const TFakeLine& dst = Destinations()[destination];
    const TFakeLine& line = sourcePlusOne == 0 ? dst : dst.Sources[sourcePlusOne - 1];
    TMixerLine out;
    out.Destination = destination;
    out.Source = sourcePlusOne == 0 ? 0 : sourcePlusOne - 1;
    out.LineId = LineIdOf(destination, sourcePlusOne);
    out.ComponentType = line.ComponentType;
    out.Connections = sourcePlusOne == 0 ? static_cast<uint32_t>(dst.Sources.size()) : 0;
    out.ShortName = line.Name.substr(0, 15);
    out.Name = line.Name;
    out.TargetType = line.TargetType;
    return out;
  }

  TFakeLine* Find(uint32_t lineId) {
    const uint32_t destination = (lineId >> 16) - 1;
    const uint32_t sourcePlusOne = (lineId >> 4) & 0xFFF;
    if (index_ >= api_.Devices.size() || destination >= Destinations().size()) return nullptr;
    TFakeLine& dst = Destinations()[destination];
    if (sourcePlusOne == 0) return &dst;
    return sourcePlusOne <= dst.Sources.size() ? &dst.Sources[sourcePlusOne - 1] : nullptr;
  }

  std::optional<uint32_t>* Control(uint32_t controlId) {
    TFakeLine* line = Find(controlId & ~0xFu);
    if (line == nullptr) return nullptr;
    if ((controlId & 0xF) == VolumeKind) return &line->Volume;
    if ((controlId & 0xF) == MuteKind) return &line->Mute;
    return nullptr;
  }

  FakeMixerApi& api_;
  size_t index_;
};

}  // namespace

int FakeMixerApi::DeviceCount() { return static_cast<int>(Devices.size()); }

std::optional<TMixerCaps> FakeMixerApi::Caps(int index) {
  if (index < 0 || index >= DeviceCount()) return std::nullopt;
  const TFakeDevice& device = Devices[static_cast<size_t>(index)];
  return TMixerCaps{device.Name, static_cast<uint32_t>(device.Destinations.size())};
}

std::unique_ptr<MixerDevice> FakeMixerApi::Open(int index) {
  if (index < 0 || index >= DeviceCount() || !Devices[static_cast<size_t>(index)].Opens) return nullptr;
  return std::make_unique<FakeDevice>(*this, index);
}

TFakeDevice FakeMixerApi::SoundCard(const std::u16string& name) {
  TFakeLine speakers{ComponentDstSpeakers, u"Speakers", TargetWaveOut, 32768, 0, {}};
  TFakeLine waveIn{ComponentDstWaveIn, u"Recording", TargetWaveIn, 65535, std::nullopt, {}};
  waveIn.Sources.push_back({ComponentSrcLine, u"Line In", 0, 0, std::nullopt, {}});
  waveIn.Sources.push_back({ComponentSrcMicrophone, u"Microphone", 0, 0, std::nullopt, {}});
  return {name, {speakers, waveIn}, true};
}

}  // namespace qv::sim
