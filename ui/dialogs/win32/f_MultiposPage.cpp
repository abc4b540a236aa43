#include "ui/dialogs/win32/f_MultiposPage.h"

#include <commctrl.h>

#include <algorithm>

#include "lang/Lang.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {

TfrMultiposPage::TfrMultiposPage(TJoySettingsEditor& logic, std::function<int32_t()> live,
                                 std::function<int32_t()> noise)
    : TChildDialog(IDD_PAGE_MULTIPOS, AxisPageTexts(atMultipos)),
      logic_(logic),
      live_(std::move(live)),
      noise_(std::move(noise)) {}

void TfrMultiposPage::OnInit() {
  HWND list = Item(IDC_LIST_POSITIONS);
  RECT box{};
  GetClientRect(list, &box);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = box.right - box.left;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, LPARAM(&column));
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void TfrMultiposPage::Show() {
  Check(Item(IDC_CHK_ZERO_FROM_END), logic_.Shown.Reverse);
  Select(Item(IDC_COMBO_HANG_POS), logic_.Shown.HangPos);
  ShowList(-1);
}

void TfrMultiposPage::Take() {
  logic_.Shown.Reverse = Checked(Item(IDC_CHK_ZERO_FROM_END));
  logic_.Shown.HangPos = std::max(Selection(Item(IDC_COMBO_HANG_POS)), 0);
}

void TfrMultiposPage::ShowList(int32_t select) {
  ShowVirtualLines(Item(IDC_LIST_POSITIONS), logic_.Count(), select);
}

void TfrMultiposPage::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  switch (id) {
    case IDC_BT_TAKE_SWITCH: {
      const auto take = logic_.Take(live_(), noise_());
      if (!take.Full) {
        ShowList(take.Line);
      } else {
        MessageBoxW(GetAncestor(Handle(), GA_ROOT), W(lang::LangTranslate("EXCEPT", "msgMaxPos")),
                    W(lang::LangTranslate("", "msgInfo")), MB_ICONINFORMATION);
      }
      break;
    }
    case IDC_BT_DELETE:
      if (const int line = ChosenLine(Item(IDC_LIST_POSITIONS)); line >= 0) {
        logic_.Delete(line);
        ShowList(-1);
      }
      break;
    case IDC_BT_DELETE_ALL:
      logic_.DeleteAll();
      ShowList(-1);
      break;
    default:
      break;
  }
}

bool TfrMultiposPage::OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) {
  if (message != WM_NOTIFY) return false;
  const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
  LRESULT answer = 0;
  if (DrawSelectionHighlighted(header, IDC_LIST_POSITIONS, answer)) {
    SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, answer);
    result = TRUE;
    return true;
  }
  if (header.idFrom != IDC_LIST_POSITIONS || header.code != LVN_GETDISPINFOW) return false;
  auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
  if ((info.item.mask & LVIF_TEXT) == 0 || info.item.cchTextMax <= 0) return true;
  // Asked for any line: one past the count after a delete yields "".
  lineText_ = logic_.Line(info.item.iItem);
  const size_t n = std::min(lineText_.size(), size_t(info.item.cchTextMax - 1));
  std::copy_n(lineText_.data(), n, reinterpret_cast<char16_t*>(info.item.pszText));
  info.item.pszText[n] = L'\0';
  return true;
}

}  // namespace qv::ui::dialogs::win32
