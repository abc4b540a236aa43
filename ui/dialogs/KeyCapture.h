#pragma once
// fmAskKey's rules: which key a key message or the idle check captured, and
// how the nine modifier toggles turn that into an action.
#include <cstdint>
#include <optional>
#include <span>

#include "engine/KeyAction.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

struct TCapturedKey {
  int32_t Vkey = 0;
  int32_t ScanCode = 0;
  bool Extended = false;
};

// From a WM_KEYDOWN or WM_SYSKEYDOWN: the virtual key is the first
// parameter, the scan code bits 16 to 23 of the second, extended its bit 24.
TCapturedKey KeyOfMessage(uint64_t wParam, int64_t lParam);

// Tab and Print Screen never reach a window as a key-down we can count on
// (Print Screen is taken by the system), so while the window waits the keys
// themselves are asked. Only while the pause request says one of our own
// windows is active: a Tab pressed in another program is not ours. The scan
// code is the layout's for the key, never extended.
template <typename KeyIsDown>
std::optional<TCapturedKey> IdleKey(KeyIsDown isDown);

// The toggles down, as modifier bits in table order.
using TToggles = uint16_t;

// The toggle bit of the modifier key a key message reports (its scan code
// and extended flag tell left from right); 0 for any other key.
TToggles ModifierBitOf(const TCapturedKey& key);

// Rewrites action with the captured key: no command, the key's fields, and
// the modifiers of the toggles down, except the one that is the captured key
// itself (same scan code and extended flag). Repeat stays.
void ApplyCapture(TKeyAction& action, const TCapturedKey& key, TToggles toggles);

// Whether our own window is active by the engine's pause request, and the
// layout's scan code of a key; apart so that IdleKey stays a template.
bool OwnWindowActive();
int32_t LayoutScanCode(int32_t vkey);

template <typename KeyIsDown>
std::optional<TCapturedKey> IdleKey(KeyIsDown isDown) {
  if (!OwnWindowActive()) return std::nullopt;
  for (int32_t vkey : {0x09, 0x2C}) {
    if (isDown(vkey)) return TCapturedKey{vkey, LayoutScanCode(vkey), false};
  }
  return std::nullopt;
}

std::span<const TControlText> AskKeyTexts();

}  // namespace qv::ui::dialogs
