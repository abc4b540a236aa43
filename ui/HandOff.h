#pragma once
// The single-instance protocol between a second start of the program and the
// copy already running: the running copy's hidden trap window is found by
// its title, asked two private questions, and handed a profile path with
// WM_COPYDATA. The values are fixed: older and newer copies must understand
// each other.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv::ui {

constexpr uint32_t MsgMainWindowQuery = 1026;  // first private message + 2
constexpr uint32_t MsgPresenceQuery = 1027;    // first private message + 3
constexpr uintptr_t PresenceReply = 0xD017E;
constexpr std::u16string_view InstanceTitleSuffix = u".{C7613CA5-5B83-49E3-8B24-3E9439E578F0}";
// The path travels in a buffer of this many UTF-16 units, its zero included.
constexpr size_t HandOffUnits = 1024;

// The trap window's title: the same program file gives the same title, so a
// copy in another folder never answers.
std::u16string InstanceTitle(std::u16string_view programPath);

// The path in a WM_COPYDATA payload. Any program on the desktop can send
// one, so a payload is read only within its own byte count and the hand-off
// buffer, and must hold a terminating zero there; nullopt otherwise.
std::optional<std::u16string> HandedOffPath(const void* data, size_t bytes);

// The running copy, as its trap window answers.
class TTrapHost {
 public:
  virtual ~TTrapHost() = default;
  // Shows and restores the main window; false (and nothing done) when the
  // program is not polling: still starting, or a dialog has stopped it.
  virtual bool BringUp() = 0;
  virtual uintptr_t ActiveWindow() = 0;
  virtual bool FileExists(const std::u16string& path) = 0;
  // The unsaved-changes question: true when the profile may be replaced.
  virtual bool AskToSave() = 0;
  virtual void LoadProfile(const std::u16string& path) = 0;
};

// 1026: the active window once the main window is up, 0 when not polling.
uintptr_t AnswerMainWindowQuery(TTrapHost& host);
// WM_COPYDATA: loads the handed-off profile when the program polls, the file
// exists and the user lets the current profile go; else drops it silently.
void ReceiveHandOff(TTrapHost& host, const void* data, size_t bytes);

}  // namespace qv::ui
