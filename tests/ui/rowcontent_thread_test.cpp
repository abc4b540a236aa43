// The painter reads the run-time fields while the poll thread writes them:
// every row's content is computed again and again while a real poll thread
// follows a moving lever, hat and buttons. ThreadSanitizer watches the reads.
#include <gtest/gtest.h>

#include <atomic>
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
  int lit = 0;
  for (int round = 0; round < 300; ++round) {
    device.Axis(0, round % 2 ? 60000 : 1000);
    device.Button(1, round % 2);
    device.Hat(0, round % 2 ? 9000 : -1);
    for (int32_t r = 0; r < tree.RowCount(); ++r) {
      TRowOps ops;
      dynamic_cast<const TVisRow&>(*tree.Row(r).Item).Content(ops, view);
      for (const TDrawOp& op : ops) lit += op.Kind == TDrawKind::Icon && op.Icon == TIcon::Btn1;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  StopPolling();
  EngineHooks = TEngineHooks{};
  InstallSeams(nullptr, nullptr, nullptr);
  // The joystick row is lit every time; pressed buttons and current
  // positions showed up at least now and then.
  EXPECT_GT(lit, 300);
  EXPECT_GT(repaints.load(), 0);
}

}  // namespace
}  // namespace qv::ui
