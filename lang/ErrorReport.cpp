#include "lang/ErrorReport.h"

#include "base/Error.h"
#include "base/ProgramVersion.h"
#include "base/Utf.h"
#include "lang/EMultilang.h"
#include "lang/Lang.h"
#include "lang/SafeFormat.h"

namespace qv::lang {
namespace {

constexpr char16_t BuiltInTitle[] = u"Quorvex v. %s";
constexpr char16_t BuiltInStartFailure[] = u"Quorvex cannot start:\r\n";

std::u16string BuiltInErrorTitle() { return SafeFormat(BuiltInTitle, {FromUtf8(ProgramVersion().Text)}); }

// The error's own words, without asking the language file.
std::u16string PlainMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const Error& e) {
    return e.message();
  } catch (const std::exception& e) {
    return FromUtf8(e.what());
  } catch (...) {
    return u"Unknown error.";
  }
}

}  // namespace

std::u16string ErrorTitle() {
  try {
    return SafeFormat(LangTranslate("", "msgTitle"), {FromUtf8(ProgramVersion().Text)});
  } catch (...) {
    return BuiltInErrorTitle();
  }
}

std::u16string ErrorMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const EMultilang& e) {
    return DisplayText(e);
  } catch (...) {
    return PlainMessage(error);
  }
}

TErrorBox ErrorBoxFor(const std::exception_ptr& error) { return {ErrorTitle(), ErrorMessage(error)}; }

TErrorBox StartFailureBox(const std::exception_ptr& error) {
  return {BuiltInErrorTitle(), BuiltInStartFailure + PlainMessage(error)};
}

}  // namespace qv::lang
