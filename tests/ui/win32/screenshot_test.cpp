// Screenshots of the main window with the train controller, in English and
// in Russian, left under the build folder for a person to look at.
#include <gtest/gtest.h>

#include "engine/Profile.h"
#include "tests/ui/win32/MainWindowFixture.h"
#include "ui/ControlTree.h"

namespace qv::test {
namespace {

class Screenshots : public MainWindowTest, public ::testing::WithParamInterface<const char16_t*> {
 protected:
  void SetUp() override {}
};

TEST_P(Screenshots, MainWindowWithTheTrainController) {
  Open(GetParam(), SW_SHOWNORMAL, ExampleProfile());
  ASSERT_EQ(ProfileFileName, ExampleProfile());
  Set(sim::TControlKind::Axis, 0, 26000);
  Pump(3000, [] { return ProfileAxes[0].CurrentPos == 3; });
  EXPECT_EQ(ProfileAxes[0].CurrentPos, 3);
  const int32_t row =
      RowOf([](const TTreeItem* item) { return dynamic_cast<const ui::TAxisDirectNode*>(item); });
  ASSERT_GE(row, 0);
  static_cast<ui::TAxisDirectNode*>(main->Tree().Row(row).Item)->Expand();
  main->Tree().SelectRow(row - 1);  // the throttle itself
  Pump(300);
  const std::string name =
      std::u16string_view(GetParam()) == u"ru.lng" ? "mainwindow-ru.png" : "mainwindow-en.png";
  Screenshot(name);
  Set(sim::TControlKind::Axis, 0, 1000);
}

INSTANTIATE_TEST_SUITE_P(Languages, Screenshots, ::testing::Values(u"default.lng", u"ru.lng"));

}  // namespace
}  // namespace qv::test
