#include "ui/dialogs/win32/f_SysCmd.h"

#include "ui/dialogs/SysCmdPicker.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TfmSysCmd::TfmSysCmd() : TModalDialog(IDD_SYS_CMD, "fmSysCmd", SysCmdTexts()), names_(SysCmdListNames()) {}

bool TfmSysCmd::Execute(HWND owner, TKeyAction& action) {
  if (!Run(owner) || selected_ < 0) return false;
  PickSysCmd(action, selected_ + 1);
  return true;
}

void TfmSysCmd::OnInit() {
  SetLines(Item(IDC_LIST_SYS_CMD), names_, selected_);
  Describe();
}

void TfmSysCmd::OnOk() { selected_ = SelectedLine(Item(IDC_LIST_SYS_CMD)); }

void TfmSysCmd::OnCommand(int id, int code) {
  if (id != IDC_LIST_SYS_CMD) return;
  if (code == LBN_SELCHANGE) {
    if (const int line = SelectedLine(Item(IDC_LIST_SYS_CMD)); line >= 0) selected_ = line;
    Describe();
  } else if (code == LBN_DBLCLK) {
    SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), LPARAM(Item(IDOK)));
  }
}

void TfmSysCmd::Describe() {
  HWND memo = Item(IDC_MEMO_SYS_CMD);
  try {
    SetText(memo, selected_ >= 0 ? DescribeSysCmd(selected_ + 1) : std::u16string());
  } catch (...) {
    // A language file without this row's text: said once, and the list stays
    // usable for every other row.
    SetText(memo, u"");
    ui::ShowCurrentError(Handle());
  }
}

}  // namespace qv::ui::dialogs::win32
