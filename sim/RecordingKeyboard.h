#pragma once
// A keyboard that keeps every record it is sent, with the time and the
// batch it came in, and knows which keys are down now.
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "engine/Seams.h"

namespace qv::sim {

struct TRecorded {
  TKeyInput Input;
  uint32_t Time = 0;
  int Batch = 0;  // number of the Send call
};

class RecordingKeyboard final : public KeyboardOutput {
 public:
  explicit RecordingKeyboard(Clock* time = nullptr) : time_(time) {}
  void Send(std::span<const TKeyInput> records) override;

  std::vector<TRecorded> Records() const;
  std::vector<TKeyInput> Inputs() const;
  size_t Count() const;
  // Virtual keys whose last record was a key-down.
  std::set<uint16_t> KeysDown() const;
  void Clear();

 private:
  Clock* time_;
  mutable std::mutex mutex_;  // the poll thread sends while a test reads
  std::vector<TRecorded> records_;
  std::set<uint16_t> down_;
  int batches_ = 0;
};

}  // namespace qv::sim
