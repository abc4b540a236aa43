// Time from a lever change to the first keyboard record, with the real poll
// thread and the real clock: what a player feels as lag. Once for a device
// that signals its changes, once for one that must be polled, side by side.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

#include "FullDevice.h"
#include "engine/PollThread.h"
#include "engine/Seams.h"
#include "sim/Clocks.h"

namespace qv::bench {
namespace {

int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Notes the delay of the first record after each change; the rest go nowhere.
class TimingKeyboard final : public KeyboardOutput {
 public:
  explicit TimingKeyboard(size_t capacity) { latencies.reserve(capacity); }
  void Send(std::span<const TKeyInput>) override {
    const int64_t changed = changedAt.exchange(0);
    if (changed != 0) latencies.push_back(NowNs() - changed);
  }
  std::atomic<int64_t> changedAt{0};
  std::vector<int64_t> latencies;  // written by the poll thread, read after it stopped
};

void BM_ChangeToFirstRecord(benchmark::State& state) {
  const auto changes = static_cast<size_t>(state.range(0));
  const bool polled = state.range(1) != 0;
  state.SetLabel(polled ? "polling path" : "event path");
  TimingKeyboard keyboard(changes);
  sim::SteadyClock clock;
  TFullDevice device;
  InstallSeams(&keyboard, nullptr, &clock);
  device.Install(polled ? sim::TReporting::Polled : sim::TReporting::Signals);
  std::mt19937 rng(12345);
  for (auto _ : state) {
    StartPolling();
    bool high = false;
    for (size_t i = 0; i < changes; ++i) {
      std::this_thread::sleep_for(
          std::chrono::microseconds(std::uniform_int_distribution<int>(0, 6000)(rng)));
      high = !high;
      keyboard.changedAt.store(NowNs());
      device.Axis(0, TFullDevice::RestValue(high ? 4 : 3));
      while (keyboard.changedAt.load() != 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    StopPolling();
  }
  InstallSeams(nullptr, nullptr, nullptr);
  std::vector<int64_t> sorted = keyboard.latencies;
  std::sort(sorted.begin(), sorted.end());
  const auto at = [&](double q) {
    return static_cast<double>(sorted[static_cast<size_t>(q * static_cast<double>(sorted.size() - 1))]) / 1e6;
  };
  state.counters["changes"] = static_cast<double>(sorted.size());
  state.counters["p50_ms"] = at(0.5);
  state.counters["p99_ms"] = at(0.99);
  state.counters["max_ms"] = at(1.0);
}
BENCHMARK(BM_ChangeToFirstRecord)
    ->ArgsProduct({{2000}, {0, 1}})
    ->ArgNames({"changes", "polled"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv::bench

BENCHMARK_MAIN();
