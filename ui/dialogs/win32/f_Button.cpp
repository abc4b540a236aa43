#include "ui/dialogs/win32/f_Button.h"

#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs::win32 {

TfrButton::TfrButton(TfmAskKey& askKey, TfmSysCmd& sysCmd, TButtonFrame& logic)
    : frames_{TfrPressKey(askKey, sysCmd, logic.Frame(TButtonFrame::Press)),
              TfrPressKey(askKey, sysCmd, logic.Frame(TButtonFrame::Hold)),
              TfrPressKey(askKey, sysCmd, logic.Frame(TButtonFrame::Release))} {}

void TfrButton::Create(HWND window, const lang::TComponent& form) {
  const int places[] = {IDC_FR_PRESS, IDC_FR_HOLD, IDC_FR_RELEASE};
  for (auto part : {TButtonFrame::Press, TButtonFrame::Hold, TButtonFrame::Release}) {
    hints_[part] = KeyFrameHints(form, part);
    frames_[part].Create(window, places[part], hints_[part], part != TButtonFrame::Hold);
  }
}

}  // namespace qv::ui::dialogs::win32
