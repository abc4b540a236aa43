#include "ui/dialogs/win32/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/dialogs/SpinValue.h"
#include "ui/dialogs/win32/Controls.h"

namespace qv::ui::dialogs::win32 {

void TSpinEdit::Attach(HWND window, int editId, int upDownId, int32_t min, int32_t max, int32_t step) {
  edit_ = GetDlgItem(window, editId);
  upDown_ = GetDlgItem(window, upDownId);
  editId_ = editId;
  min_ = min;
  max_ = max;
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
