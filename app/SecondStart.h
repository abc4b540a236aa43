#pragma once
// A start with one profile on its command line while this program file runs
// already: the profile goes to the running copy and this process ends.
#include <cstdint>
#include <span>
#include <string>

namespace qv {

// What the hand-off needs of the platform; a window is 0 when there is none.
class THandOffPlatform {
 public:
  virtual ~THandOffPlatform() = default;
  virtual uintptr_t FindWindowByTitle(const std::u16string& title) = 0;
  // Synchronous; the reply, or 0 when the window does not answer.
  virtual uintptr_t Send(uintptr_t window, uint32_t message) = 0;
  virtual std::u16string FullPath(const std::u16string& name) = 0;
  virtual bool FileExists(const std::u16string& path) = 0;
  // Lets the process of window come to the front when it brings itself up.
  virtual void AllowForeground(uintptr_t window) = 0;
  virtual void SetForeground(uintptr_t window) = 0;
  // WM_COPYDATA with the path and its zero in a hand-off buffer.
  virtual void SendPath(uintptr_t window, const std::u16string& path) = 0;
  // "exUnableToPass": true when the user wants a second copy started.
  virtual bool AskStartSecondCopy() = 0;
};

// Returns the command-line flag: true when the command line held exactly one
// argument, which then became the current profile's name. Raises EQuiet when
// this process is to end.
bool HandOff(THandOffPlatform& platform, std::span<const std::u16string> arguments,
             const std::u16string& instanceTitle);

}  // namespace qv
