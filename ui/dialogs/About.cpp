#include "ui/dialogs/About.h"

#include <array>

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {

std::u16string VersionLine(const std::u16string& version) { return u"v. " + version; }

bool TAboutLink::Follow(const TShellOpen& open) {
  if (open(HomePage) <= 32) return false;
  visited_ = true;
  return true;
}

std::span<const TControlText> AboutTexts() {
  // lbVersion and the link carry texts of the code; the program's name is not translated.
  static constexpr auto texts = std::to_array<TControlText>({
      {"lbAuthor", lang::Kind::Label, IDC_LB_AUTHOR},
      {"btOk", lang::Kind::Button, IDC_BT_OK},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
