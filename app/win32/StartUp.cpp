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

void InstallLanguage(std::u16string_view fileName) {
  lang::InstallLanguageFileHooks();
  lang::AfterTranslateHook = [] { ui::LoadCaptionStrings(); };
  lang::LoadLanguageFile(fileName);
  lang::RegisterStandardTranslators();
}

void TranslateWindows(ui::TfmMain& main) {
  lang::TranslateAllForms();
  main.ApplyTexts();
}

void ShowAndStartPolling(ui::TfmMain& main, TStartShow show) {
  main.ShowAtStart(show == TStartShow::Tray,
                   show == TStartShow::Maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  StartPolling();
}

}  // namespace qv::app
