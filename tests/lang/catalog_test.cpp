#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "lang/TextCatalog.h"

namespace {

using qv::lang::CatalogEntry;
using qv::lang::TextCatalog;
using qv::lang::TextUse;

std::string Name(const CatalogEntry& e) { return std::string(e.section) + "." + std::string(e.key); }

const CatalogEntry* Find(std::string_view section, std::string_view key) {
  for (const auto& e : TextCatalog())
    if (e.section == section && e.key == key) return &e;
  return nullptr;
}

TEST(TextCatalog, EveryTextIsListedOnce) {
  std::set<std::pair<std::string_view, std::string_view>> seen;
  for (const auto& e : TextCatalog()) {
    EXPECT_FALSE(e.section.empty()) << Name(e);
    EXPECT_FALSE(e.key.empty()) << Name(e);
    EXPECT_TRUE(seen.insert({e.section, e.key}).second) << "listed twice: " << Name(e);
  }
}

// The list rule replaces items 0..count-1 and raises on the first missing
// one, so a gap or a list not starting at 0 would end start-up.
TEST(TextCatalog, ListItemsAreNumberedFromZeroWithoutGaps) {
  std::map<std::string, std::set<int>> items;
  for (const auto& e : TextCatalog()) {
    if (e.use != TextUse::Item) continue;
    const auto cut = e.key.rfind('_');
    ASSERT_NE(cut, std::string_view::npos) << Name(e);
    const auto digits = e.key.substr(cut + 1);
    ASSERT_FALSE(digits.empty()) << Name(e);
    ASSERT_TRUE(digits == "0" || digits.front() != '0') << "leading zero: " << Name(e);
    int n = -1;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    ASSERT_TRUE(ec == std::errc{} && end == digits.data() + digits.size()) << Name(e);
    items[std::string(e.section) + "." + std::string(e.key.substr(0, cut))].insert(n);
  }
  ASSERT_FALSE(items.empty());
  for (const auto& [component, numbers] : items) {
    EXPECT_EQ(*numbers.begin(), 0) << component;
    EXPECT_EQ(*numbers.rbegin() + 1, static_cast<int>(numbers.size())) << component;
  }
}

TEST(TextCatalog, ArgumentsAreTextsOrIntegersOfMessages) {
  for (const auto& e : TextCatalog()) {
    EXPECT_EQ(e.args.find_first_not_of("sd"), std::string_view::npos) << Name(e);
    // Only code formats a text; the walk stores captions as they stand.
    if (!e.args.empty()) {
      EXPECT_EQ(e.use, TextUse::Message) << Name(e);
    }
  }
}

// The format strings must take exactly what their callers pass, in order:
// a mismatch shows garbage or drops a value in every row of the main list.
TEST(TextCatalog, FormatTextsDeclareTheirCallersArguments) {
  const std::pair<std::pair<std::string_view, std::string_view>, std::string_view> expected[] = {
      {{"COMMON", "msgTitle"}, "s"},       {{"fmMain", "Caption2"}, "s"},
      {{"fmMain", "AxisTemplate2"}, "dd"}, {{"fmMain", "AxisTemplate3"}, "sd"},
      {{"fmMain", "KeyMultiple"}, "sd"},   {{"fmSysCmd", "SysTemplate"}, "ss"},
      {{"fmSysCmd", "KeyTemplate"}, "s"},
  };
  for (const auto& [where, args] : expected) {
    const auto* e = Find(where.first, where.second);
    ASSERT_NE(e, nullptr) << where.first << "." << where.second;
    EXPECT_EQ(e->args, args) << Name(*e);
  }
}

// After start-up only sections marked "_Keep" survive; the language files
// mark exactly these, so a run-time text anywhere else would raise.
TEST(TextCatalog, RunTimeTextsLiveInKeptSections) {
  const std::set<std::string_view> kept = {"COMMON", "EXCEPT", "!SYS", "fmAbout", "fmStepMeasure"};
  std::set<std::string_view> used;
  for (const auto& e : TextCatalog()) {
    if (!e.runtime) continue;
    EXPECT_TRUE(kept.count(e.section)) << Name(e);
    used.insert(e.section);
  }
  EXPECT_EQ(used, kept);
}

TEST(TextCatalog, MainWindowTextTableIsComplete) {
  for (std::string_view key :
       {"CaptionAxes", "CaptionButtons", "CaptionDirect", "CaptionHats", "AxisTemplate1", "AxisTemplate2",
        "AxisTemplate3", "KeyMultiple", "fmMain", "Caption2", "msgUnsaved"})
    EXPECT_NE(Find("fmMain", key), nullptr) << key;
}

TEST(TextCatalog, EveryTranslatedWindowHasItsCaption) {
  std::set<std::string_view> windows;
  for (const auto& e : TextCatalog())
    if (e.section.starts_with("fm")) windows.insert(e.section);
  EXPECT_EQ(windows.size(), 12u);
  for (auto w : windows) {
    const auto* e = Find(w, w);
    ASSERT_NE(e, nullptr) << w;
    EXPECT_EQ(e->use, TextUse::Caption) << w;
  }
}

// Texts that code sets at creation or when showing a window: a key for them
// would let the walk overwrite them (fmTrap's caption is how a second start
// finds the running copy, and edJoystick is filled before translation).
TEST(TextCatalog, TextsSetByCodeAreNotTranslated) {
  EXPECT_EQ(Find("fmTrap", "fmTrap"), nullptr);
  EXPECT_EQ(Find("fmMain", "itVersion"), nullptr);
  EXPECT_EQ(Find("fmAbout", "lbVersion"), nullptr);
  EXPECT_EQ(Find("fmProgSettings", "edJoystick_0"), nullptr);
  EXPECT_EQ(Find("fmJoySettings", "comboAxes_0"), nullptr);
}

// Every command whose release undoes it names its release text "<name>_R";
// a stray "_R" without its command points at a misspelt name.
TEST(TextCatalog, ReleaseTextsBelongToListedCommands) {
  int releaseTexts = 0;
  for (const auto& e : TextCatalog()) {
    if (e.section != "!SYS" || !e.key.ends_with("_R")) continue;
    ++releaseTexts;
    EXPECT_NE(Find("!SYS", e.key.substr(0, e.key.size() - 2)), nullptr) << Name(e);
  }
  EXPECT_EQ(releaseTexts, 4);
  EXPECT_NE(Find("!SYS", "Nothing"), nullptr);
  EXPECT_NE(Find("!SYS", "Same"), nullptr);
}

}  // namespace
