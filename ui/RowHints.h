#pragma once
// What the mouse points at in a row of the control list: the row's draw
// steps laid out as the painter lays them out, so the icon under a point is
// the one drawn there; and the language text that says what each icon means.
#include <optional>
#include <string_view>

#include "ui/DrawOps.h"
#include "ui/Icons.h"

namespace qv::ui {

// The icon drawn at x of the row, measured with canvas (only its text width
// and bold switch are used; nothing is drawn).
std::optional<TIcon> IconAt(const TRowOps& ops, TRowCanvas& canvas, const TRowBox& box, int x);

// The fmMain text that explains icon, empty for the folder marks, which
// need no words.
std::string_view IconHintKey(TIcon icon);

}  // namespace qv::ui
