#pragma once
// Steps of the program's start-up, each a small piece so that the program
// and the window tests run the very same ones, in the same order.
#include <string>
#include <string_view>

namespace qv::ui {
class TfmMain;
}

namespace qv::app {

// The "FileVersion" of the program's own version resource; empty when the
// program has none.
std::u16string ReadProgramVersion();
// The number after the version's last dot; 0 when there is none.
int32_t BuildNumber(const std::u16string& version);

// Language hooks, the language file and the translators.
void InstallLanguage(std::u16string_view fileName = u"default.lng");
// Translates every window created so far, loads the caption table, prunes
// the language file, and puts the texts on the main window's menus.
void TranslateWindows(ui::TfmMain& main);
// Into the tray (minimised start, or a profile named on the command line
// and loaded) or onto the screen, then polling starts.
void ShowAndStartPolling(ui::TfmMain& main, bool commandLineFile, int showCommand);

}  // namespace qv::app
