#pragma once
// The texts the control list and the main window format at run time, read
// once from the language file right after the windows are translated (the
// sections they come from are pruned then). The tree is built before that
// happens, so headings keep references into this table, never copies.
#include <array>
#include <string>

#include "ui/Icons.h"

namespace qv::ui {

struct TCaptionStrings {
  std::u16string CaptionAxes;
  std::u16string CaptionButtons;
  std::u16string CaptionDirect;
  std::u16string CaptionHats;
  std::u16string AxisTemplate1;
  std::u16string AxisTemplate2;  // current position, position count
  std::u16string AxisTemplate3;  // axis name, axis index
  std::u16string KeyMultiple;    // key text, repeat count
  std::u16string MainCaption;    // "fmMain": the window's plain caption
  std::u16string Caption2;       // the caption with the profile's file name
  std::u16string MsgUnsaved;
  std::u16string SysTemplate;
  std::u16string KeyTemplate;
  // The file dialogs' filter, "description|pattern" pairs: a fixed text
  // would stay untranslated.
  std::u16string ProfileFilter;
  // What each icon of the control list means (empty: nothing to say).
  std::array<std::u16string, size_t(TIcon::Count)> IconHints;
};

extern TCaptionStrings Captions;

// Fills Captions through LangTranslate; a missing text raises EMultilang.
void LoadCaptionStrings();

}  // namespace qv::ui
