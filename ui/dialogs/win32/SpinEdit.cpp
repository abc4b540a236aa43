#include "ui/dialogs/win32/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "base/Error.h"
#include "base/Utf.h"
#include "ui/dialogs/SpinValue.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/Wide.h"

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

namespace {

// The first reachable spin edit whose text is refused, with its range.
struct TRefused {
  HWND Edit = nullptr;
  int32_t Min = 0, Max = 0;
};

BOOL CALLBACK FindRefused(HWND control, LPARAM found) {
  wchar_t className[32] = {};
  GetClassNameW(control, className, 32);
  if (lstrcmpiW(className, UPDOWN_CLASSW) != 0) return TRUE;
  auto edit = HWND(SendMessageW(control, UDM_GETBUDDY, 0, 0));
  if (edit == nullptr || !IsWindowVisible(edit) || !IsWindowEnabled(edit)) return TRUE;
  INT min = 0, max = 0;
  SendMessageW(control, UDM_GETRANGE32, WPARAM(&min), LPARAM(&max));
  if (ParseSpinText(Text(edit), min, max).Check == TSpinCheck::InRange) return TRUE;
  *reinterpret_cast<TRefused*>(found) = {edit, min, max};
  return FALSE;
}

}  // namespace

bool SpinEditsAccept(HWND window) {
  TRefused refused;
  EnumChildWindows(window, &FindRefused, LPARAM(&refused));
  if (refused.Edit == nullptr) return true;
  const auto complaint = SpinComplaint(Text(refused.Edit), refused.Min, refused.Max);
  SetFocus(refused.Edit);
  SendMessageW(refused.Edit, EM_SETSEL, 0, -1);
  if (!complaint) return false;
  EDITBALLOONTIP balloon{};
  balloon.cbStruct = sizeof(balloon);
  balloon.pszTitle = W(complaint->Title);
  balloon.pszText = W(complaint->Text);
  balloon.ttiIcon = TTI_WARNING;
  if (SendMessageW(refused.Edit, EM_SHOWBALLOONTIP, 0, LPARAM(&balloon)) == FALSE)
    MessageBoxW(window, W(complaint->Text), W(complaint->Title), MB_OK | MB_ICONWARNING);
  return false;
}

}  // namespace qv::ui::dialogs::win32
