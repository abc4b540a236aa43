#include "ui/Captions.h"

#include "lang/Lang.h"
#include "ui/RowHints.h"

namespace qv::ui {

TCaptionStrings Captions;

void LoadCaptionStrings() {
  using lang::LangTranslate;
  TCaptionStrings c;
  c.CaptionAxes = LangTranslate("fmMain", "CaptionAxes");
  c.CaptionButtons = LangTranslate("fmMain", "CaptionButtons");
  c.CaptionDirect = LangTranslate("fmMain", "CaptionDirect");
  c.CaptionHats = LangTranslate("fmMain", "CaptionHats");
  c.AxisTemplate1 = LangTranslate("fmMain", "AxisTemplate1");
  c.AxisTemplate2 = LangTranslate("fmMain", "AxisTemplate2");
  c.AxisTemplate3 = LangTranslate("fmMain", "AxisTemplate3");
  c.KeyMultiple = LangTranslate("fmMain", "KeyMultiple");
  c.MainCaption = LangTranslate("fmMain", "fmMain");
  c.Caption2 = LangTranslate("fmMain", "Caption2");
  c.MsgUnsaved = LangTranslate("fmMain", "msgUnsaved");
  c.ProfileFilter = LangTranslate("fmMain", "ProfileFilter");
  c.SysTemplate = LangTranslate("fmSysCmd", "SysTemplate");
  c.KeyTemplate = LangTranslate("fmSysCmd", "KeyTemplate");
  for (size_t i = 0; i < c.IconHints.size(); ++i) {
    const std::string_view key = IconHintKey(TIcon(i));
    if (!key.empty()) c.IconHints[i] = LangTranslate("fmMain", key);
  }
  // All or nothing: a half-filled table would show some texts and not others.
  Captions = std::move(c);
}

}  // namespace qv::ui
