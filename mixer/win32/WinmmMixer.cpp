// Only the wide forms are used for texts: the narrow-text variants exist for
// a platform family that cannot run a 64-bit program. Structure sizes are
// always those of the real structures, never a 32-bit layout's numbers.
#include "mixer/win32/WinmmMixer.h"

#include <windows.h>
// windows.h first: mmsystem.h depends on it.
#include <mmsystem.h>

#include <cwchar>

static_assert(sizeof(wchar_t) == sizeof(char16_t));

namespace qv::win32 {
namespace {

std::u16string Text(const wchar_t* text, size_t capacity) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), wcsnlen(text, capacity));
}

struct TMixerCloser {
  void operator()(HMIXER handle) const { mixerClose(handle); }
};
using TMixerHandle = std::unique_ptr<std::remove_pointer_t<HMIXER>, TMixerCloser>;

class WinmmDevice final : public MixerDevice {
 public:
  explicit WinmmDevice(TMixerHandle handle) : handle_(std::move(handle)) {}

  std::optional<TMixerLine> LineByComponentType(uint32_t componentType) override {
    MIXERLINEW line{};
    line.dwComponentType = componentType;
    return Query(line, MIXER_GETLINEINFOF_COMPONENTTYPE);
  }
  std::optional<TMixerLine> LineByDestination(uint32_t destination) override {
    MIXERLINEW line{};
    line.dwDestination = destination;
    return Query(line, MIXER_GETLINEINFOF_DESTINATION);
  }
  std::optional<TMixerLine> LineBySource(uint32_t destination, uint32_t source) override {
    MIXERLINEW line{};
    line.dwDestination = destination;
    line.dwSource = source;
    return Query(line, MIXER_GETLINEINFOF_SOURCE);
  }

  std::optional<uint32_t> ControlId(uint32_t lineId, uint32_t controlType) override {
    MIXERCONTROLA control{};
    control.cbStruct = sizeof control;
    MIXERLINECONTROLSA request{};
    request.cbStruct = sizeof request;
    request.dwLineID = lineId;
    request.dwControlType = controlType;
    request.cControls = 1;
    request.cbmxctrl = sizeof control;
    request.pamxctrl = &control;
    if (mixerGetLineControlsA(Object(), &request, MIXER_OBJECTF_HMIXER | MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
        MMSYSERR_NOERROR)
      return std::nullopt;
    return control.dwControlID;
  }

  // The handle goes with MIXER_OBJECTF_HMIXER here too: without it winmm
  // takes the handle for a device number and the call quietly misses.
  std::optional<uint32_t> ReadValue(uint32_t controlId) override {
    MIXERCONTROLDETAILS_UNSIGNED value{};
    MIXERCONTROLDETAILS details = Details(controlId, value);
    if (mixerGetControlDetailsA(Object(), &details, MIXER_OBJECTF_HMIXER | MIXER_GETCONTROLDETAILSF_VALUE) !=
        MMSYSERR_NOERROR)
      return std::nullopt;
    return value.dwValue;
  }
  bool WriteValue(uint32_t controlId, uint32_t newValue) override {
    MIXERCONTROLDETAILS_UNSIGNED value{newValue};
    MIXERCONTROLDETAILS details = Details(controlId, value);
    return mixerSetControlDetails(Object(), &details,
                                  MIXER_OBJECTF_HMIXER | MIXER_SETCONTROLDETAILSF_VALUE) == MMSYSERR_NOERROR;
  }

 private:
  HMIXEROBJ Object() const { return reinterpret_cast<HMIXEROBJ>(handle_.get()); }

  // One channel, so all channels are read and written as one value; a mute
  // value (MIXERCONTROLDETAILS_BOOLEAN) has the same four bytes.
  static MIXERCONTROLDETAILS Details(uint32_t controlId, MIXERCONTROLDETAILS_UNSIGNED& value) {
    MIXERCONTROLDETAILS details{};
    details.cbStruct = sizeof details;
    details.dwControlID = controlId;
    details.cChannels = 1;
    details.cMultipleItems = 0;
    details.cbDetails = sizeof value;
    details.paDetails = &value;
    return details;
  }

  std::optional<TMixerLine> Query(MIXERLINEW& line, DWORD kind) {
    line.cbStruct = sizeof line;
    if (mixerGetLineInfoW(Object(), &line, MIXER_OBJECTF_HMIXER | kind) != MMSYSERR_NOERROR)
      return std::nullopt;
    TMixerLine out;
    out.Destination = line.dwDestination;
    out.Source = line.dwSource;
    out.LineId = line.dwLineID;
    out.ComponentType = line.dwComponentType;
    out.Connections = line.cConnections;
    out.ShortName = Text(line.szShortName, MIXER_SHORT_NAME_CHARS);
    out.Name = Text(line.szName, MIXER_LONG_NAME_CHARS);
    out.TargetType = line.Target.dwType;
    return out;
  }

  TMixerHandle handle_;
};

class WinmmApi final : public MixerApi {
 public:
  int DeviceCount() override { return static_cast<int>(mixerGetNumDevs()); }

  std::optional<TMixerCaps> Caps(int index) override {
    MIXERCAPSW caps{};
    if (index < 0 || mixerGetDevCapsW(static_cast<UINT_PTR>(index), &caps, sizeof caps) != MMSYSERR_NOERROR)
      return std::nullopt;
    return TMixerCaps{Text(caps.szPname, MAXPNAMELEN), caps.cDestinations};
  }

  std::unique_ptr<MixerDevice> Open(int index) override {
    HMIXER handle = nullptr;
    if (index < 0 ||
        mixerOpen(&handle, static_cast<UINT>(index), 0, 0, MIXER_OBJECTF_MIXER) != MMSYSERR_NOERROR)
      return nullptr;
    return std::make_unique<WinmmDevice>(TMixerHandle(handle));
  }
};

}  // namespace

MixerApi& WinmmMixer() {
  static WinmmApi api;
  return api;
}

}  // namespace qv::win32
