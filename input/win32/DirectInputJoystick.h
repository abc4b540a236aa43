#pragma once
// The joystick layer's platform on Windows: DirectInput 8. Every call is
// translated and its result reported; nothing is decided here.
#define DIRECTINPUT_VERSION 0x0800
#include <dinput.h>
#include <windows.h>

#include <functional>

#include "input/JoystickApi.h"
#include "input/win32/ComPtr.h"
#include "input/win32/OwnerWindow.h"

namespace qv::input::win32 {

// Creates the DirectInput object; DirectInput8Create, unless a test hands in its own.
using DirectInputFactory = std::function<HRESULT(HINSTANCE, DWORD, REFIID, LPVOID*, LPUNKNOWN)>;

class TDirectInputJoystick final : public JoystickApi {
 public:
  explicit TDirectInputJoystick(DirectInputFactory factory = DirectInput8Create);
  ~TDirectInputJoystick() override;
  TDirectInputJoystick(const TDirectInputJoystick&) = delete;
  TDirectInputJoystick& operator=(const TDirectInputJoystick&) = delete;

  bool Create() override;
  bool EnumDevices(const std::function<void(const TDeviceInstance&)>& each) override;
  bool CreateDevice(const TGuid& instance) override;
  bool EnumObjects(const std::function<void(const TDeviceObject&)>& each) override;
  bool SetDataFormat(const TDataFormat& format) override;
  bool SetCooperativeLevel() override;
  bool SetNotification(WakeEvent& wake) override;
  bool Acquire() override;
  TReadResult Poll() override;
  TReadResult GetDeviceState(std::span<int32_t> slots) override;
  void ReleaseDevice() override;
  void ReleaseAll() override;

  // The window the cooperative level is set for: our own hidden one, which
  // lives as long as this object and so outlasts the device.
  HWND Window() const { return window_.Handle(); }

 private:
  TOwnerWindow window_;  // first member: destroyed after the interfaces are released
  DirectInputFactory factory_;
  TComPtr<IDirectInput8W> input_;
  TComPtr<IDirectInputDevice8W> device_;
  bool notifying_ = false;
};

// DirectInput's answer to a read, in the layer's terms.
TReadResult ReadResultOf(HRESULT hr);

}  // namespace qv::input::win32
