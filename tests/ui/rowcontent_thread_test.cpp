// The painter reads the run-time fields while the poll thread writes them:
// every row's content is computed again and again while a real poll thread
// follows a moving lever, hat and buttons. ThreadSanitizer watches the reads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/StandInDevice.h"
#include "sim/UsLayout.h"
#include "tests/ui/FakeList.h"
#include "ui/ControlTree.h"

namespace qv::ui {
namespace {

struct Device : TDeviceView {
  std::u16string Name() const override { return u"Pad"; }
  bool ReadOk() const override { return true; }
  bool BindingMissing() const override { return false; }
};

TEST(RowContentThreads, RowsReadWhatThePollThreadWrites) {
  sim::SteadyClock clock;
  sim::RecordingKeyboard keyboard;
  sim::UsLayout layout;
  InstallSeams(&keyboard, &layout, &clock);
  EngineHooks = TEngineHooks{};
  sim::TStandInDevice device;
  device.Attach(1, 2, 1);
  JoySettings = TJoySettings{};
  JoySettings.Axes[0].Type = atMultipos;
  JoySettings.Axes[0].Count = 3;
  JoySettings.Axes[0].Value = {1000, 30000, 60000};
  ClearModified();
  ResetProfile();

  TTreeList tree;
  test::FakeList list;
  std::atomic<int> repaints{0};
  EngineHooks.Repaint = [&] { repaints.fetch_add(1, std::memory_order_relaxed); };
  EngineHooks.RebuildList = [&] { RebuildPositionRowsKeepingSelection(tree); };
  EngineHooks.MainWindowVisible = [] { return true; };
  BuildControlTree(tree);
  tree.AttachList(&list);
  StartPolling();

  Device view;
  // Rounds go on until the pressed button has shown (the poll thread follows
  // with its own timing), but never for ever.
  int pressedSeen = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  for (int round = 0; round < 100 || (pressedSeen == 0 && std::chrono::steady_clock::now() < deadline);
       ++round) {
    const bool on = (round / 10) % 2 != 0;
    device.Axis(0, on ? 60000 : 1000);
    device.Button(1, on);
    device.Hat(0, on ? 9000 : -1);
    for (int32_t r = 0; r < tree.RowCount(); ++r) {
      TRowOps ops;
      const TTreeItem* item = tree.Row(r).Item;
      dynamic_cast<const TVisRow&>(*item).Content(ops, view);
      if (dynamic_cast<const TVisButton*>(item) && ops.front().Icon == TIcon::Btn1) ++pressedSeen;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  StopPolling();
  EngineHooks = TEngineHooks{};
  InstallSeams(nullptr, nullptr, nullptr);
  EXPECT_GT(pressedSeen, 0);
  EXPECT_GT(repaints.load(), 0);
}

}  // namespace
}  // namespace qv::ui
