#pragma once
// fmSysCmd's rules: the list of commands and named keys, the description of
// a row, and what picking one makes of an action. Rows are numbered as in
// the command table: the list's first line is row 1.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/KeyAction.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

// The names of rows 1..51 as profiles store them: a command's name is what
// the user finds again in a profile file, so it is not translated.
std::vector<std::u16string> SysCmdListNames();

// A named key: "KeyTemplate" with the key's text; a command: "SysTemplate"
// with the command's text and the text of what its release does. Both
// templates are the ones read at start-up; the row texts come from "!SYS",
// and a missing one raises the localisation error.
std::u16string DescribeSysCmd(int32_t row);

// Repeat stays (at least 1), every other field is cleared; then the command,
// or the named key by its virtual key alone.
void PickSysCmd(TKeyAction& action, int32_t row);

std::span<const TControlText> SysCmdTexts();

}  // namespace qv::ui::dialogs
