#pragma once
// Procedure variables through which the engine calls the layers above it.
// Each one empty by default: the call then does nothing (or gives an empty text).
#include <cstdint>
#include <functional>
#include <string>

namespace qv {

struct TEngineHooks {
  std::function<void()> ProfileChanged;     // the main window shows the new profile
  std::function<void()> RebuildList;        // start polling: rebuild the control list
  std::function<void()> Repaint;            // poll thread: invalidate the control list
  std::function<bool()> MainWindowVisible;  // empty means not visible
  // Poll thread: refresh the state buffer; false when the device could not be read.
  std::function<bool()> PollDevice;
  // Poll thread: true when the device signals the engine's wake event on
  // every change of its state; otherwise it is read on a fixed period.
  std::function<bool()> DeviceSignals;
  // Poll thread: the device changed and did not signal it; from now on it is
  // read on the fixed period (DeviceSignals answers false).
  std::function<void()> DeviceSignalMissed;
  // Poll thread: ms until the device's state is due to change by itself
  // (a replayed timeline), -1 when it never is.
  std::function<int32_t()> DeviceDueIn;
  // System command dispatcher: (up event?, command number, count).
  std::function<void(bool, int32_t, int32_t)> SysCommand;
  std::function<std::u16string(int32_t)> SysCmdName;  // command number -> name
  std::function<std::u16string(int32_t)> VkeyName;    // virtual key -> name, "VK=" + code if none
};

// Installed only while polling is stopped; the poll thread reads them.
extern TEngineHooks EngineHooks;

// The poll thread calls every hook through here: nothing a hook throws may
// end the program, and the poll thread reports no errors, so a failed call
// is dropped (a failed poll keeps the last values, a command is lost).
template <class Hook, class... Args>
auto CallHook(const Hook& hook, Args... args) noexcept -> decltype(hook(args...)) {
  using Result = decltype(hook(args...));
  try {
    if (hook) return hook(args...);
  } catch (...) {
  }
  return Result();
}

}  // namespace qv
