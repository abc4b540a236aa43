#include "app/win32/StartUp.h"

#include <windows.h>

#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "lang/Lang.h"
#include "lang/LanguageDocument.h"
#include "lang/Translator.h"
#include "ui/Captions.h"
#include "ui/win32/MainWindow.h"

namespace qv::app {

namespace {

void Tell(const TStepDone& done, std::string_view step) {
  if (done) done(step);
}

}  // namespace

void InstallLanguage(std::u16string_view fileName, const TStepDone& done) {
  lang::InstallLanguageFileHooks();
  lang::AfterTranslateHook = [] { ui::LoadCaptionStrings(); };
  Tell(done, "language hooks");
  lang::LoadLanguageFile(fileName);
  Tell(done, "language file");
  lang::RegisterStandardTranslators();
  Tell(done, "translators");
}

void TranslateWindows(ui::TfmMain& main) {
  lang::TranslateAllForms();
  main.ApplyTexts();
}

void ShowAndStartPolling(ui::TfmMain& main, TStartShow show, const TStepDone& done) {
  main.ShowAtStart(show == TStartShow::Tray,
                   show == TStartShow::Maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  Tell(done, "show");
  StartPolling();
  Tell(done, "polling");
}

}  // namespace qv::app
