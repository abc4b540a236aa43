#pragma once
// DirectInput objects of our own, handed to the DirectInput joystick through
// its factory: they log every call with its arguments, keep what they were
// given and answer what the test asks.
#define DIRECTINPUT_VERSION 0x0800
#include <dinput.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

// COM interfaces are released, never deleted, so they have no virtual destructor.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace qv::input::win32::test {

struct TCallLog {
  std::vector<std::string> Calls;
  void Add(std::string call) { Calls.push_back(std::move(call)); }
};

struct TFakeObject {
  GUID Type;
  DWORD TypeWord;
  DWORD Flags;
  const wchar_t* Name;
};

class FakeDevice final : public IDirectInputDevice8W {
 public:
  explicit FakeDevice(TCallLog& log) : log_(log) {}

  std::vector<TFakeObject> Objects;
  HRESULT AcquireAnswer = DI_OK;
  HRESULT PollAnswer = DI_OK;
  HRESULT StateAnswer = DI_OK;
  HRESULT CapsAnswer = DI_OK;
  DWORD CapsFlags = DIDC_ATTACHED;
  HRESULT NotificationAnswer = DI_OK;
  HANDLE Event = nullptr;      // as given to SetEventNotification
  std::vector<int32_t> State;  // what GetDeviceState writes
  // Another thread's change of one slot, signalled as DirectInput does.
  void Change(size_t slot, int32_t value) {
    std::atomic_ref<int32_t>(State[slot]).store(value);
    SetEvent(Event);
  }
  // What SetDataFormat was given, copied before the caller's arrays go away.
  DIDATAFORMAT Format{};
  std::vector<DIOBJECTDATAFORMAT> FormatObjects;
  std::vector<GUID> FormatTypes;
  HWND Window = nullptr;
  DWORD CoopFlags = 0;
  ULONG Refs = 1;

  STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
  STDMETHOD_(ULONG, AddRef)() override { return ++Refs; }
  STDMETHOD_(ULONG, Release)() override {
    log_.Add("Device.Release");
    return --Refs;
  }
  STDMETHOD(EnumObjects)(LPDIENUMDEVICEOBJECTSCALLBACKW callback, LPVOID ref, DWORD flags) override {
    log_.Add("EnumObjects " + std::to_string(flags));
    for (const TFakeObject& o : Objects) {
      DIDEVICEOBJECTINSTANCEW info{};
      info.dwSize = sizeof info;
      info.guidType = o.Type;
      info.dwType = o.TypeWord;
      info.dwFlags = o.Flags;
      lstrcpynW(info.tszName, o.Name, MAX_PATH);
      if (callback(&info, ref) == DIENUM_STOP) break;
    }
    return DI_OK;
  }
  STDMETHOD(SetDataFormat)(LPCDIDATAFORMAT format) override {
    log_.Add("SetDataFormat");
    Format = *format;
    FormatObjects.assign(format->rgodf, format->rgodf + format->dwNumObjs);
    for (const DIOBJECTDATAFORMAT& o : FormatObjects) FormatTypes.push_back(o.pguid ? *o.pguid : GUID_NULL);
    // As DirectInput does: a structure of the wrong size is refused.
    if (format->dwSize != sizeof(DIDATAFORMAT) || format->dwObjSize != sizeof(DIOBJECTDATAFORMAT))
      return DIERR_INVALIDPARAM;
    return DI_OK;
  }
  STDMETHOD(SetCooperativeLevel)(HWND hwnd, DWORD flags) override {
    log_.Add("SetCooperativeLevel " + std::to_string(flags));
    Window = hwnd;
    CoopFlags = flags;
    return DI_OK;
  }
  STDMETHOD(Acquire)() override {
    log_.Add("Acquire");
    return AcquireAnswer;
  }
  STDMETHOD(Unacquire)() override {
    log_.Add("Unacquire");
    return DI_OK;
  }
  STDMETHOD(Poll)() override { return PollAnswer; }
  STDMETHOD(GetDeviceState)(DWORD size, LPVOID data) override {
    if (size != State.size() * sizeof(int32_t)) return DIERR_INVALIDPARAM;
    if (FAILED(StateAnswer)) return StateAnswer;
    auto* out = static_cast<int32_t*>(data);
    for (size_t i = 0; i < State.size(); ++i) out[i] = std::atomic_ref<int32_t>(State[i]).load();
    return StateAnswer;
  }

  // Not used by the joystick layer.
  STDMETHOD(GetCapabilities)(LPDIDEVCAPS caps) override {
    log_.Add("GetCapabilities");
    if (caps->dwSize != sizeof(DIDEVCAPS)) return DIERR_INVALIDPARAM;
    caps->dwFlags = CapsFlags;
    return CapsAnswer;
  }
  STDMETHOD(SetEventNotification)(HANDLE event) override {
    log_.Add(event != nullptr ? "SetEventNotification" : "SetEventNotification none");
    if (SUCCEEDED(NotificationAnswer)) Event = event;
    return NotificationAnswer;
  }
  STDMETHOD(GetProperty)(REFGUID, LPDIPROPHEADER) override { return E_NOTIMPL; }
  STDMETHOD(SetProperty)(REFGUID, LPCDIPROPHEADER) override { return E_NOTIMPL; }
  STDMETHOD(GetDeviceData)(DWORD, LPDIDEVICEOBJECTDATA, LPDWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetObjectInfo)(LPDIDEVICEOBJECTINSTANCEW, DWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetDeviceInfo)(LPDIDEVICEINSTANCEW) override { return E_NOTIMPL; }
  STDMETHOD(RunControlPanel)(HWND, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(HINSTANCE, DWORD, REFGUID) override { return E_NOTIMPL; }
  STDMETHOD(CreateEffect)(REFGUID, LPCDIEFFECT, LPDIRECTINPUTEFFECT*, LPUNKNOWN) override {
    return E_NOTIMPL;
  }
  STDMETHOD(EnumEffects)(LPDIENUMEFFECTSCALLBACKW, LPVOID, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetEffectInfo)(LPDIEFFECTINFOW, REFGUID) override { return E_NOTIMPL; }
  STDMETHOD(GetForceFeedbackState)(LPDWORD) override { return E_NOTIMPL; }
  STDMETHOD(SendForceFeedbackCommand)(DWORD) override { return E_NOTIMPL; }
  STDMETHOD(EnumCreatedEffectObjects)(LPDIENUMCREATEDEFFECTOBJECTSCALLBACK, LPVOID, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(Escape)(LPDIEFFESCAPE) override { return E_NOTIMPL; }
  STDMETHOD(SendDeviceData)(DWORD, LPCDIDEVICEOBJECTDATA, LPDWORD, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(EnumEffectsInFile)(LPCWSTR, LPDIENUMEFFECTSINFILECALLBACK, LPVOID, DWORD) override {
    return E_NOTIMPL;
  }
  STDMETHOD(WriteEffectToFile)(LPCWSTR, DWORD, LPDIFILEEFFECT, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(BuildActionMap)(LPDIACTIONFORMATW, LPCWSTR, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(SetActionMap)(LPDIACTIONFORMATW, LPCWSTR, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(GetImageInfo)(LPDIDEVICEIMAGEINFOHEADERW) override { return E_NOTIMPL; }

 private:
  TCallLog& log_;
};

struct TFakeController {
  GUID Instance;
  const wchar_t* Name;
};

class FakeDirectInput final : public IDirectInput8W {
 public:
  FakeDirectInput(TCallLog& log, FakeDevice& device) : log_(log), device_(device) {}

  std::vector<TFakeController> Controllers;
  GUID Created = GUID_NULL;
  ULONG Refs = 1;

  STDMETHOD(QueryInterface)(REFIID, void**) override { return E_NOINTERFACE; }
  STDMETHOD_(ULONG, AddRef)() override { return ++Refs; }
  STDMETHOD_(ULONG, Release)() override {
    log_.Add("DirectInput.Release");
    return --Refs;
  }
  STDMETHOD(CreateDevice)(REFGUID guid, LPDIRECTINPUTDEVICE8W* device, LPUNKNOWN) override {
    log_.Add("CreateDevice");
    Created = guid;
    device_.AddRef();
    *device = &device_;
    return DI_OK;
  }
  STDMETHOD(EnumDevices)(DWORD type, LPDIENUMDEVICESCALLBACKW callback, LPVOID ref, DWORD flags) override {
    log_.Add("EnumDevices " + std::to_string(type) + " " + std::to_string(flags));
    for (const TFakeController& c : Controllers) {
      DIDEVICEINSTANCEW info{};
      info.dwSize = sizeof info;
      info.guidInstance = c.Instance;
      lstrcpynW(info.tszInstanceName, c.Name, MAX_PATH);
      if (callback(&info, ref) == DIENUM_STOP) break;
    }
    return DI_OK;
  }
  STDMETHOD(GetDeviceStatus)(REFGUID) override { return E_NOTIMPL; }
  STDMETHOD(RunControlPanel)(HWND, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(Initialize)(HINSTANCE, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(FindDevice)(REFGUID, LPCWSTR, LPGUID) override { return E_NOTIMPL; }
  STDMETHOD(EnumDevicesBySemantics)
  (LPCWSTR, LPDIACTIONFORMATW, LPDIENUMDEVICESBYSEMANTICSCBW, LPVOID, DWORD) override { return E_NOTIMPL; }
  STDMETHOD(ConfigureDevices)
  (LPDICONFIGUREDEVICESCALLBACK, LPDICONFIGUREDEVICESPARAMSW, DWORD, LPVOID) override { return E_NOTIMPL; }

 private:
  TCallLog& log_;
  FakeDevice& device_;
};

}  // namespace qv::input::win32::test

#pragma GCC diagnostic pop
