// The mixers' first use from both threads at once: saving the settings on
// the window thread while a sound command runs on the poll thread. One of
// them opens, the other waits for it, and both see the chosen device.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "engine/Sound.h"
#include "engine/SysCmd.h"
#include "sim/FakeMixer.h"

namespace qv::test {
namespace {

using sim::FakeMixerApi;

TEST(SoundThreadTest, FirstUseFromBothThreadsOpensOnceOnTheChosenDevice) {
  for (int round = 0; round < 50; ++round) {
    FakeMixerApi api;
    api.Devices = {FakeMixerApi::SoundCard(u"Card A"), FakeMixerApi::SoundCard(u"Card B")};
    StartSystemCommands(api);
    ChooseSoundDevices(u"Card B", u"", u"");
    // Both start at once: a thread's start would otherwise give the window
    // thread a head start long enough to finish first every time.
    std::atomic<bool> go{false};
    std::thread poll([&go] {
      while (!go.load()) std::this_thread::yield();
      DispatchSysCmd(false, scSoundOff, 1);
    });
    go.store(true);
    const std::u16string name = PlaybackMixer().Name();
    poll.join();
    EXPECT_EQ(name, u"Card B");
    EXPECT_EQ(api.Devices[1].Destinations[0].Mute, 1u);
    EXPECT_EQ(api.OpenDevices, 2);
    StartSystemCommands(NoMixerApi());  // the fake goes with this round
  }
}

}  // namespace
}  // namespace qv::test
