#include "lang/Translator.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "lang/EMultilang.h"
#include "lang/Lang.h"

namespace qv::lang {
namespace {

TComponent Form(std::string name) {
  TComponent form;
  form.name = std::move(name);
  form.kind = Kind::Form;
  return form;
}

using Texts = std::map<std::pair<std::string, std::string>, std::u16string>;

class TranslatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetTranslation();
    LangLookup = [this](std::string_view section, std::string_view key, std::u16string_view fallback) {
      auto it = texts.find({std::string(section), std::string(key)});
      return it == texts.end() ? std::u16string(fallback) : it->second;
    };
    AfterTranslateHook = [] {};
    ReleaseLanguageHook = [] {};
    RegisterStandardTranslators();
  }
  void TearDown() override { ResetTranslation(); }

  Texts texts;
};

TEST_F(TranslatorTest, CaptionsComeFromTheFormSectionOrStayTheComponentName) {
  texts = {{{"fmTest", "fmTest"}, u"Test window"},
           {{"fmTest", "lbNoise"}, u"Noise"},
           {{"fmTest", "btOk"}, u"OK"},
           {{"fmTest", "grpAxis"}, u"Axis"},
           {{"fmTest", "chkOn"}, u"On"},
           {{"fmTest", "tabA"}, u"Page"},
           {{"fmTest", "miFile"}, u"File"},
           {{"fmOther", "btCancel"}, u"not this section"}};
  TComponent form = Form("fmTest");
  auto& group = form.Add("grpAxis", Kind::GroupBox);
  auto& label = group.Add("lbNoise", Kind::Label);
  auto& ok = group.Add("btOk", Kind::Button);
  auto& cancel = form.Add("btCancel", Kind::Button);
  auto& check = form.Add("chkOn", Kind::CheckBox);
  auto& tab = form.Add("tabA", Kind::TabSheet);
  auto& menu = form.Add("miFile", Kind::MenuItem);
  auto& panel = form.Add("panTop", Kind::Other);
  RegisterLangForm(form);
  TranslateAllForms();
  EXPECT_EQ(form.caption, u"Test window");
  EXPECT_EQ(group.caption, u"Axis");
  EXPECT_EQ(label.caption, u"Noise");
  EXPECT_EQ(ok.caption, u"OK");
  EXPECT_EQ(cancel.caption, u"btCancel");
  EXPECT_EQ(check.caption, u"On");
  EXPECT_EQ(tab.caption, u"Page");
  EXPECT_EQ(menu.caption, u"File");
  EXPECT_EQ(panel.caption, u"panTop");  // no translator for plain controls
}

TEST_F(TranslatorTest, EmptyNameHidesTheWholeSubTree) {
  texts = {{{"fmTest", "lbInside"}, u"Inside"}, {{"fmTest", ""}, u"empty key"}};
  TComponent form = Form("fmTest");
  auto& anonymous = form.Add("", Kind::Label);
  auto& inside = anonymous.Add("lbInside", Kind::Label);
  TranslateComponent(form, "fmTest");
  EXPECT_EQ(anonymous.caption, u"");
  EXPECT_EQ(inside.caption, u"lbInside");
}

TEST_F(TranslatorTest, ActionHintIsTheCaptionWithoutAccelerators) {
  texts = {{{"fmMain", "acSave"}, u"&Save && quit"}};
  TComponent form = Form("fmMain");
  auto& save = form.Add("acSave", Kind::Action);
  auto& untranslated = form.Add("ac&Load", Kind::Action);
  untranslated.hint = u"old";
  TranslateComponent(form, "fmMain");
  EXPECT_EQ(save.caption, u"&Save && quit");
  EXPECT_EQ(save.hint, u"Save & quit");
  // A missing key keeps the caption but still sets the hint from it.
  EXPECT_EQ(untranslated.hint, u"acLoad");
  EXPECT_EQ(StripAccelerators(u"a&&&b&"), u"a&b");
}

TEST_F(TranslatorTest, SpeedButtonHintOnlyWhenShownAndNonEmpty) {
  texts = {{{"fm", "sbA"}, u"Hint A"}, {{"fm", "sbB"}, u"Hint B"}, {{"fm", "sbC"}, u""}};
  TComponent form = Form("fm");
  auto& a = form.Add("sbA", Kind::SpeedButton);
  a.showHint = true;
  auto& b = form.Add("sbB", Kind::SpeedButton);
  b.hint = u"stored";
  auto& c = form.Add("sbC", Kind::SpeedButton);
  c.showHint = true;
  c.hint = u"stored";
  TranslateComponent(form, "fm");
  EXPECT_EQ(a.hint, u"Hint A");
  EXPECT_EQ(a.caption, u"sbA");
  EXPECT_EQ(b.hint, u"stored");
  EXPECT_EQ(c.hint, u"stored");
}

TEST_F(TranslatorTest, ListsKeepStoredItemsWithoutFirstKeyAndRaiseOnAMissingLaterItem) {
  texts = {{{"fm", "comboFull_0"}, u"Zero"}, {{"fm", "comboFull_1"}, u"One"}, {{"fm", "comboFull_2"}, u"Two"},
           {{"fm", "comboHalf_0"}, u"Zero"}, {{"fm", "comboHalf_1"}, u"One"}, {{"fm", "comboNone_1"}, u"One"},
           {{"fm", "grpMode"}, u"Mode"},     {{"fm", "grpMode_0"}, u"Fast"},  {{"fm", "grpMode_1"}, u"Slow"}};
  TComponent form = Form("fm");
  auto& full = form.Add("comboFull", Kind::ComboBox);
  full.items = {u"a", u"b", u"c"};
  full.itemIndex = 2;
  auto& none = form.Add("comboNone", Kind::ComboBox);
  none.items = {u"a", u"b"};
  auto& radio = form.Add("grpMode", Kind::RadioGroup);
  radio.items = {u"x", u"y"};
  radio.itemIndex = 1;
  TranslateComponent(form, "fm");
  EXPECT_EQ(full.items, (std::vector<std::u16string>{u"Zero", u"One", u"Two"}));
  EXPECT_EQ(full.itemIndex, 2);
  EXPECT_EQ(none.items, (std::vector<std::u16string>{u"a", u"b"}));
  EXPECT_EQ(radio.caption, u"Mode");
  EXPECT_EQ(radio.items, (std::vector<std::u16string>{u"Fast", u"Slow"}));
  EXPECT_EQ(radio.itemIndex, 1);

  auto& half = form.Add("comboHalf", Kind::ComboBox);
  half.items = {u"a", u"b", u"c"};
  try {
    TranslateComponent(half, "fm");
    FAIL() << "the third item has no text";
  } catch (const EMultilang& e) {
    EXPECT_EQ(e.message(), u"LangTranslate: cannot translate fm.comboHalf_2");
  }
}

TEST_F(TranslatorTest, RegistryIsSearchedFromTheLastEntryAndOnlyOneHandlerRuns) {
  texts = {{{"fm", "bbGo"}, u"Go"}};
  TComponent form = Form("fm");
  auto& bitBtn = form.Add("bbGo", Kind::BitBtn);
  auto& button = form.Add("btGo", Kind::Button);
  int generic = 0;
  TranslateComponent(form, "fm");
  EXPECT_EQ(bitBtn.caption, u"Go");
  // A later entry for the base kind wins over the earlier, specific ones.
  RegisterTranslator(Kind::Component, [&](TComponent&, std::string_view) { ++generic; });
  TranslateComponent(form, "fm");
  EXPECT_EQ(generic, 3);
  EXPECT_EQ(button.caption, u"btGo");
}

TEST_F(TranslatorTest, FormsAreTranslatedInOrderThenTheHooksRun) {
  std::vector<std::string> calls;
  LangLookup = [&](std::string_view section, std::string_view, std::u16string_view fallback) {
    calls.emplace_back(section);
    return std::u16string(fallback);
  };
  AfterTranslateHook = [&] { calls.emplace_back("after"); };
  ReleaseLanguageHook = [&] { calls.emplace_back("release"); };
  TComponent first = Form("fmB");
  TComponent second = Form("fmA");
  RegisterLangForm(first);
  RegisterLangForm(second);
  TranslateAllForms();
  EXPECT_EQ(calls, (std::vector<std::string>{"fmB", "fmA", "after", "release"}));
}

}  // namespace
}  // namespace qv::lang
