#pragma once
// fmAskKey's chord rule over the key messages it keeps from every window.
// A modifier that goes down waits: the next other key is taken with the
// modifiers held then, and a modifier released with no other key pressed
// meanwhile is taken as itself (with the modifiers still held). Every key
// pressed while the window waits stays ours until it goes up, so its
// repeats and its key-up never reach the window that asked.
#include <optional>
#include <vector>

#include "ui/dialogs/KeyCapture.h"

namespace qv::ui::dialogs {

class TChordCapture {
 public:
  // A new capture: nothing taken. Keys still down from the last capture
  // stay ours until they go up, and a modifier among them counts as held.
  void Start();

  // One key message. toWindow: it is addressed to the waiting window.
  // repeat: the key was down before (the message's bit 30). True when the
  // message is the capture's and no window may see it.
  bool Feed(const TCapturedKey& key, bool down, bool repeat, bool toWindow);
  // A key the window found down without a message (the idle check).
  void TakeIdle(const TCapturedKey& key);

  const std::optional<TCapturedKey>& Taken() const { return taken_; }
  // The modifiers held when the key was taken, as toggle bits.
  TToggles Held() const { return held_; }

 private:
  bool IsDown(const TCapturedKey& key) const;
  bool Release(const TCapturedKey& key);

  std::optional<TCapturedKey> taken_;
  TToggles held_ = 0;
  std::vector<TCapturedKey> down_;
};

}  // namespace qv::ui::dialogs
