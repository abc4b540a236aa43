#include "sim/RecordingKeyboard.h"

namespace qv::sim {

void RecordingKeyboard::Send(std::span<const TKeyInput> records) {
  const uint32_t now = time_ ? time_->Now() : 0;
  std::lock_guard lock(mutex_);
  ++batches_;
  for (const TKeyInput& r : records) {
    records_.push_back({r, now, batches_});
    if (r.Flags & KeyFlagUp) {
      down_.erase(r.Vk);
    } else {
      down_.insert(r.Vk);
    }
  }
}

std::vector<TRecorded> RecordingKeyboard::Records() const {
  std::lock_guard lock(mutex_);
  return records_;
}

std::vector<TKeyInput> RecordingKeyboard::Inputs() const {
  std::lock_guard lock(mutex_);
  std::vector<TKeyInput> inputs;
  for (const TRecorded& r : records_) inputs.push_back(r.Input);
  return inputs;
}

size_t RecordingKeyboard::Count() const {
  std::lock_guard lock(mutex_);
  return records_.size();
}

std::set<uint16_t> RecordingKeyboard::KeysDown() const {
  std::lock_guard lock(mutex_);
  return down_;
}

void RecordingKeyboard::Clear() {
  std::lock_guard lock(mutex_);
  records_.clear();
  down_.clear();
  batches_ = 0;
}

}  // namespace qv::sim
