// Every caption of the main window's menus and actions is a text of the
// catalog, which the completeness test checks against the language files.
#include <gtest/gtest.h>

#include <algorithm>

#include "lang/TextCatalog.h"
#include "ui/MainActions.h"

namespace qv::ui {
namespace {

TEST(MainWindowTexts, EveryComponentButTheVersionItemIsInTheCatalog) {
  lang::TComponent form;
  DescribeMainWindow(form, u"1.2.3");
  std::vector<const lang::TComponent*> all{&form};
  for (const auto& child : form.owned) all.push_back(child.get());
  EXPECT_EQ(all.size(), 1u + MainMenus().size() + 1u + MainActions().size());
  for (const lang::TComponent* c : all) {
    if (c->name == VersionItemName) {
      EXPECT_EQ(c->caption, u"         v.1.2.3");
      continue;
    }
    const auto catalog = lang::TextCatalog();
    const bool listed = std::any_of(catalog.begin(), catalog.end(), [&](const lang::CatalogEntry& e) {
      return e.section == "fmMain" && e.key == c->name && e.use == lang::TextUse::Caption;
    });
    EXPECT_TRUE(listed) << c->name;
  }
}

}  // namespace
}  // namespace qv::ui
