#pragma once
// How a settings window meets the translator walk. The window's controls
// that take a text from the language file are listed once, name and kind
// with the control's id; from that list the window's component tree is made
// at start-up (and translated with every other window), and the window puts
// the translated texts on its controls by name each time it opens. A part
// with controls of its own (a tab page, a key frame) is a child dialog with
// its own list and a subtree of the window's tree, translated in the
// window's section. Controls whose texts the code sets (a version line,
// lists filled at run time) and fixed texts (a "%" sign) are not listed: a
// translation would overwrite them.
#include <span>
#include <string_view>

#include "lang/Component.h"

namespace qv::ui::dialogs {

// Kinds as the walk knows them: a caption for labels, buttons, group boxes,
// check boxes and tab sheets; list items for combo boxes (their number is the
// layout's, the language file only rewords them); a tooltip for a picture
// button, which shows no caption, and for a setting field (named "hint" and
// the field's role), which says what the value means.
struct TControlText {
  std::string_view Name;
  lang::Kind Kind;
  int Id;
  int Items = 0;  // combo boxes: the number of items the layout has
};

// The form, captioned with its own name as a stored layout is, owning one
// component per control. A combo box's stored items are its name with "_0",
// "_1", ... until translated.
void DescribeDialog(lang::TComponent& form, std::string_view formName,
                    std::span<const TControlText> controls);
// A part of a window under parent, owning one component per control of its own.
lang::TComponent& DescribePart(lang::TComponent& parent, std::string_view name, lang::Kind kind,
                               std::span<const TControlText> controls);

// The component of that name under parent; a name that is not there is an
// error of the window, raised as one.
const lang::TComponent& FindComponent(const lang::TComponent& parent, std::string_view name);

}  // namespace qv::ui::dialogs
