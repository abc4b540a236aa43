#include "ui/dialogs/win32/f_SysCmd.h"

#include "ui/dialogs/KeySettings.h"
#include "ui/dialogs/SysCmdPicker.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {

TfmSysCmd::TfmSysCmd() : TModalDialog(IDD_SYS_CMD, "fmSysCmd", SysCmdTexts()), names_(SysCmdListNames()) {}

bool TfmSysCmd::Execute(HWND owner, TKeyAction& action) {
  if (!Run(owner) || selected_ < 0) return false;
  PickSysCmd(action, selected_ + 1);
  return true;
}

void TfmSysCmd::OnInit() {
  HWND list = Item(IDC_LIST_SYS_CMD);
  for (const std::u16string& name : names_) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(W(name)));
  SendMessageW(list, LB_SETCURSEL, WPARAM(selected_), 0);
  Describe();
}

void TfmSysCmd::OnOk() {
  const LRESULT line = SendMessageW(Item(IDC_LIST_SYS_CMD), LB_GETCURSEL, 0, 0);
  selected_ = line == LB_ERR ? -1 : int(line);
}

void TfmSysCmd::OnCommand(int id, int code) {
  if (id != IDC_LIST_SYS_CMD) return;
  if (code == LBN_SELCHANGE) {
    const LRESULT line = SendMessageW(Item(IDC_LIST_SYS_CMD), LB_GETCURSEL, 0, 0);
    if (line != LB_ERR) selected_ = int(line);
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
