#include "ui/dialogs/win32/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/Error.h"
#include "base/Utf.h"
#include "ui/dialogs/SpinValue.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {

void TSpinEdit::Attach(HWND window, int editId, int upDownId, int32_t min, int32_t max, int32_t step) {
  edit_ = GetDlgItem(window, editId);
  upDown_ = GetDlgItem(window, upDownId);
  editId_ = editId;
  min_ = min;
  max_ = max;
  // A template without these would show "32,767" (read back as 32) or refuse
  // the minus sign: say so the first time the window opens.
  const auto style = GetWindowLongW(upDown_, GWL_STYLE);
  if (edit_ == nullptr || HWND(SendMessageW(upDown_, UDM_GETBUDDY, 0, 0)) != edit_ ||
      (GetWindowLongW(edit_, GWL_STYLE) & ES_NUMBER) != 0 ||
      (style & (UDS_NOTHOUSANDS | UDS_SETBUDDYINT)) != (UDS_NOTHOUSANDS | UDS_SETBUDDYINT))
    throw Error(u"The spin edit " + FromUtf8(std::to_string(editId)) + u" is not an edit with its up-down.");
  SendMessageW(upDown_, UDM_SETRANGE32, WPARAM(min), LPARAM(max));
  UDACCEL accel{0, UINT(step)};
  SendMessageW(upDown_, UDM_SETACCEL, 1, LPARAM(&accel));
}

void TSpinEdit::SetValue(int32_t value) {
  const int32_t shown = std::clamp(value, min_, max_);
  setting_ = true;
  SendMessageW(upDown_, UDM_SETPOS32, 0, LPARAM(shown));
  // The up-down writes its buddy only when the position changes.
  SetWindowTextW(edit_, std::to_wstring(shown).c_str());
  setting_ = false;
}

int32_t TSpinEdit::Value() const { return SpinValueFromText(Text(edit_), min_, max_); }

bool TSpinEdit::Command(int id, int code) const {
  if (id != editId_) return false;
  if (code == EN_CHANGE && !setting_ && OnChange) OnChange();
  return true;
}

}  // namespace qv::ui::dialogs::win32
