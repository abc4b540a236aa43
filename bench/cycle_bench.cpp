// Cost of one evaluation cycle on the largest device, and proof that a cycle
// allocates nothing.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "FullDevice.h"
#include "engine/Evaluate.h"
#include "engine/PollThread.h"
#include "engine/Seams.h"
#include "sim/Clocks.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { ::operator delete(p); }

namespace qv::bench {
namespace {

class NullKeyboard final : public KeyboardOutput {
 public:
  void Send(std::span<const TKeyInput> records) override { benchmark::DoNotOptimize(records.data()); }
};

NullKeyboard keyboard;
sim::VirtualClock clock;
TFullDevice device;

void Prepare() {
  InstallSeams(&keyboard, nullptr, &clock);
  device.Install();
  Synchronise(TSyncMode::Full);
  ReEnterSilently();
}

void Report(benchmark::State& state, long before) {
  state.counters["allocs"] = static_cast<double>(allocations.load() - before);
  // Non-zero: the counting operator new is the one in use.
  state.counters["allocs_before"] = static_cast<double>(before);
}

void BM_QuietCycle(benchmark::State& state) {
  Prepare();
  const long before = allocations.load();
  for (auto _ : state) benchmark::DoNotOptimize(Evaluate(true));
  Report(state, before);
}
BENCHMARK(BM_QuietCycle);

void BM_LeverStepEveryCycle(benchmark::State& state) {
  Prepare();
  bool high = false;
  const long before = allocations.load();
  for (auto _ : state) {
    high = !high;
    device.Axis(0, TFullDevice::RestValue(high ? 4 : 3));
    benchmark::DoNotOptimize(Evaluate(true));
  }
  Report(state, before);
}
BENCHMARK(BM_LeverStepEveryCycle);

}  // namespace
}  // namespace qv::bench

BENCHMARK_MAIN();
