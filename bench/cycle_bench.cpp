// Cost of one whole active poll cycle on the largest device (the device poll:
// the joystick layer reading the virtual joystick; evaluation, the repaint countdown,
// the auto-repeat tick; the sleep is the virtual clock's, so it costs
// nothing), the keyboard records it sends, and proof that it allocates nothing.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "FullDevice.h"
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

// Counts what a cycle sends, step taps apart.
class CountingKeyboard final : public KeyboardOutput {
 public:
  void Send(std::span<const TKeyInput> records) override {
    for (const TKeyInput& r : records) {
      ++records_;
      steps_ += (r.Vk == TFullDevice::UpVk || r.Vk == TFullDevice::DownVk) && (r.Flags & KeyFlagUp) == 0;
    }
  }
  long records_ = 0;
  long steps_ = 0;
};

CountingKeyboard keyboard;
sim::VirtualClock clock;
TFullDevice device;

// A started poll thread's state, without the thread: the loop is driven here.
TPollLoop Prepare() {
  InstallSeams(&keyboard, nullptr, &clock);
  device.Install();
  PauseRequest.store(false);
  Suspended.store(false);
  ResyncRequest.store(true);
  TPollLoop loop;
  loop.Begin();
  keyboard = CountingKeyboard{};
  return loop;
}

void Report(benchmark::State& state, long before) {
  // Taken first: the counters themselves allocate.
  const long during = allocations.load() - before;
  const auto perCycle = [&](long n) {
    return benchmark::Counter(static_cast<double>(n), benchmark::Counter::kAvgIterations);
  };
  state.counters["records"] = perCycle(keyboard.records_);
  state.counters["step_taps"] = perCycle(keyboard.steps_);
  state.counters["allocs"] = static_cast<double>(during);
  // Non-zero: the counting operator new is the one in use.
  state.counters["allocs_before"] = static_cast<double>(before);
}

void BM_QuietCycle(benchmark::State& state) {
  TPollLoop loop = Prepare();
  const long before = allocations.load();
  for (auto _ : state) loop.Cycle();
  Report(state, before);
}
BENCHMARK(BM_QuietCycle);

// Lever 0 moves one notch every cycle: one Up or Down tap each time.
void BM_LeverStepEveryCycle(benchmark::State& state) {
  TPollLoop loop = Prepare();
  bool high = false;
  const long before = allocations.load();
  for (auto _ : state) {
    high = !high;
    device.Axis(0, TFullDevice::RestValue(high ? 4 : 3));
    loop.Cycle();
  }
  Report(state, before);
}
BENCHMARK(BM_LeverStepEveryCycle);

}  // namespace
}  // namespace qv::bench

BENCHMARK_MAIN();
