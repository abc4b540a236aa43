// The one error box: every kind of error gets a caption and a text, and the
// caption survives a language file that cannot give it.
#include <gtest/gtest.h>

#include <map>
#include <new>

#include "base/ProgramVersion.h"
#include "lang/EMultilang.h"
#include "lang/ErrorReport.h"
#include "lang/Lang.h"

namespace qv::lang {
namespace {

class ErrorReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = LangLookup;
    SetProgramVersion("1.2.3.45");
  }
  void TearDown() override {
    LangLookup = saved_;
    SetProgramVersion("");
  }
  // A language file holding only these (section, key) texts.
  void UseTexts(std::map<std::pair<std::string, std::string>, std::u16string> texts) {
    LangLookup = [texts](std::string_view section, std::string_view key, std::u16string_view fallback) {
      const auto found = texts.find({std::string(section), std::string(key)});
      return found != texts.end() ? found->second : std::u16string(fallback);
    };
  }

 private:
  LookupProc saved_;
};

template <class E>
std::exception_ptr Raised(E error) {
  return std::make_exception_ptr(std::move(error));
}

TEST_F(ErrorReportTest, EachKindOfErrorGetsItsText) {
  UseTexts({{{"", "msgTitle"}, u"Title %s"}, {{"EXCEPT", "exNoJoy"}, u"No joystick."}});
  const struct {
    const char* what;
    std::exception_ptr error;
    std::u16string text;
  } cases[] = {
      {"translated", Raised(EMultilang(u"exNoJoy", u"No attached joysticks found.")), u"No joystick."},
      {"untranslated", Raised(EMultilang(u"exCantAcquire", u"Cannot acquire.")),
       u"Cannot acquire.\r(exCantAcquire)"},
      {"own error", Raised(Error(u"Cannot open file \"x\"")), u"Cannot open file \"x\""},
      {"library error", Raised(std::bad_alloc()), u"std::bad_alloc"},
      {"anything", Raised(42), u"Unknown error."},
  };
  for (const auto& c : cases) {
    const TErrorBox box = ErrorBoxFor(c.error);
    EXPECT_EQ(box.Caption, u"Title 1.2.3.45") << c.what;
    EXPECT_EQ(box.Text, c.text) << c.what;
  }
}

TEST_F(ErrorReportTest, CaptionFallsBackWhenTheTitleCannotBeLookedUp) {
  const struct {
    const char* what;
    std::u16string title;
    std::u16string caption;
  } cases[] = {
      {"no language file", std::u16string(NotFoundMarker), u"Quorvex v. 1.2.3.45"},
      {"title without the version", u"Errors", u"Errors"},
  };
  for (const auto& c : cases) {
    UseTexts({{{"", "msgTitle"}, c.title}});
    EXPECT_EQ(ErrorTitle(), c.caption) << c.what;
  }
}

TEST_F(ErrorReportTest, StartFailureUsesBuiltInTextsOnly) {
  UseTexts({{{"", "msgTitle"}, u"Translated %s"}});
  const TErrorBox box = StartFailureBox(Raised(Error(u"Cannot open file \"default.lng\"")));
  EXPECT_EQ(box.Caption, u"Quorvex v. 1.2.3.45");
  EXPECT_EQ(box.Text, u"Quorvex cannot start:\r\nCannot open file \"default.lng\"");
}

}  // namespace
}  // namespace qv::lang
