#pragma once
// fmAbout's rules: the version line, and the link label that opens the
// project's page through the shell and takes the visited colour once it did.
// The object lives for the whole run, so the link stays visited between showings.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

// The project's page, the one address the about window links to.
constexpr std::u16string_view HomePage = u"https://quorvex.example/";

// "v. " and the program's version text.
std::u16string VersionLine(const std::u16string& version);

class TAboutLink {
 public:
  // The shell's answer to "open" an address: above 32 when it worked.
  using TShellOpen = std::function<intptr_t(std::u16string_view address)>;

  // False when the shell could not open the page (the window says so).
  bool Follow(const TShellOpen& open);
  bool Visited() const { return visited_; }

 private:
  bool visited_ = false;
};

std::span<const TControlText> AboutTexts();

}  // namespace qv::ui::dialogs
