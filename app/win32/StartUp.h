#pragma once
// Steps of the program's start-up, each a small piece so that the program
// and the window tests run the very same ones, in the same order.
#include <functional>
#include <string>
#include <string_view>

#include "app/StartShow.h"

namespace qv::ui {
class TfmMain;
}

namespace qv::app {

// Told the name of each start-up step as it ends, for timing the steps.
using TStepDone = std::function<void(std::string_view step)>;

// Language hooks, the language file and the translators.
void InstallLanguage(std::u16string_view fileName = u"default.lng", const TStepDone& done = {});
// Translates every window created so far, loads the caption table, prunes
// the language file, and puts the texts on the main window's menus.
void TranslateWindows(ui::TfmMain& main);
// Into the tray or onto the screen (StartShowFor), then polling starts.
void ShowAndStartPolling(ui::TfmMain& main, TStartShow show, const TStepDone& done = {});

}  // namespace qv::app
