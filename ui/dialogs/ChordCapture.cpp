#include "ui/dialogs/ChordCapture.h"

#include <algorithm>

namespace qv::ui::dialogs {
namespace {

bool SameKey(const TCapturedKey& a, const TCapturedKey& b) {
  return a.Vkey == b.Vkey && a.ScanCode == b.ScanCode && a.Extended == b.Extended;
}

}  // namespace

void TChordCapture::Start() {
  taken_.reset();
  // A modifier still held from the last capture holds for this one too.
  held_ = 0;
  for (const TCapturedKey& key : down_) held_ |= ModifierBitOf(key);
}

void TChordCapture::TakeIdle(const TCapturedKey& key) {
  if (taken_) return;
  taken_ = key;
  if (!IsDown(key)) down_.push_back(key);
}

bool TChordCapture::IsDown(const TCapturedKey& key) const {
  return std::ranges::any_of(down_, [&](const TCapturedKey& k) { return SameKey(k, key); });
}

bool TChordCapture::Release(const TCapturedKey& key) {
  const auto it = std::ranges::find_if(down_, [&](const TCapturedKey& k) { return SameKey(k, key); });
  if (it == down_.end()) return false;
  down_.erase(it);
  return true;
}

bool TChordCapture::Feed(const TCapturedKey& key, bool down, bool repeat, bool toWindow) {
  // Not waiting: only what is still down from a capture is ours. Every
  // key-down of such a key is its auto-repeat until its key-up, as not
  // every system marks the repeats.
  if (!toWindow || taken_) return down ? IsDown(key) : Release(key);
  const TToggles bit = ModifierBitOf(key);
  if (!down) {
    if (!Release(key)) return false;  // down before the window opened: not ours
    if (bit != 0) {
      held_ &= TToggles(~bit);
      taken_ = key;
    }
    return true;
  }
  // A key already down when the window opened (the Enter that pressed the
  // key button, auto-repeating) is no new press, and no dialog key either.
  if (repeat || IsDown(key)) return true;
  down_.push_back(key);
  if (bit == 0) {
    taken_ = key;
  } else {
    held_ |= bit;
  }
  return true;
}

}  // namespace qv::ui::dialogs
