#include "ui/dialogs/win32/f_JoySettings.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <atomic>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "lang/Lang.h"
#include "storage/JoySettingsFile.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {
namespace {

constexpr UINT_PTR RefreshTimer = 1;

// Each page's controls, in Type order: the tab control only draws the tabs.
const std::array<std::vector<int>, 3> pageControls = {{
    {},
    {IDC_LIST_POSITIONS, IDC_BT_TAKE_SWITCH, IDC_BT_DELETE, IDC_BT_DELETE_ALL, IDC_CHK_ZERO_FROM_END,
     IDC_LB_HANG_POS, IDC_COMBO_HANG_POS},
    {IDC_LB_NEUTRAL, IDC_SPIN_NEUTRAL, IDC_UD_NEUTRAL, IDC_BT_MIN, IDC_BT_CEN, IDC_BT_MAX, IDC_BT_TAKE_CONT,
     IDC_LB_THRESHOLD, IDC_SPIN_THRESHOLD, IDC_UD_THRESHOLD, IDC_LB_PERCENT},
}};

// Common controls 6 draw a progress bar in the theme's colours whatever it
// is told, so the meter is painted here.
constexpr COLORREF MeterBack = RGB(0, 128, 0);
constexpr COLORREF MeterBar = RGB(0, 255, 0);

}  // namespace

TfmJoySettings::TfmJoySettings(input::TJoystick& joystick)
    : TModalDialog(IDD_JOY_SETTINGS, "fmJoySettings", JoySettingsTexts()), joystick_(joystick) {
  DescribeAxisPages(Components());
}

void TfmJoySettings::Execute(HWND owner) {
  TPollingGuard polling;
  if (!filled_) {
    for (int i = 0; i < JoyAxisCount; ++i)
      entries_.push_back(TJoySettingsEditor::AxisEntry(JoyAxes[size_t(i)]));
    filled_ = true;
  }
  logic_.Open(JoySettings, {JoyAxes.data(), size_t(JoyAxisCount)});
  // The timer dies with the window, before Run returns and so before
  // polling starts again.
  if (!Run(owner)) return;
  logic_.Confirm(JoySettings, noise_);
  SaveJoySettings(SettingsFile.empty() ? JoySettingsFileName() : SettingsFile);
}

void TfmJoySettings::OnInit() {
  HWND tabs = Item(IDC_PAGES_AXIS_TYPE);
  const size_t first = JoySettingsTexts().size();
  for (size_t i = 0; i < AxisPageNames.size(); ++i) {
    std::u16string caption = Components().owned[first + i]->caption;
    TCITEMW tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = W(caption.data());
    SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&tab));
  }
  HWND list = Item(IDC_LIST_POSITIONS);
  RECT box{};
  GetClientRect(list, &box);
  LVCOLUMNW column{};
  column.mask = LVCF_WIDTH;
  column.cx = box.right - box.left;
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, LPARAM(&column));
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

  using E = TJoySettingsEditor;
  neutral_.Attach(Handle(), IDC_SPIN_NEUTRAL, IDC_UD_NEUTRAL, 0, E::NeutralMax, E::NeutralStep);
  threshold_.Attach(Handle(), IDC_SPIN_THRESHOLD, IDC_UD_THRESHOLD, 0, E::ThresholdMax,
                    E::ThresholdMouseStep);
  noiseSpin_.Attach(Handle(), IDC_SPIN_NOISE, IDC_UD_NOISE, E::NoiseMin, E::NoiseMax);
  noiseSpin_.SetValue(logic_.Noise);
  SetItems(Item(IDC_COMBO_AXES), entries_, logic_.HasAxis() ? logic_.Chosen() : -1);
  // Without an axis there is nothing to edit; OK still saves the noise.
  for (int id : {IDC_COMBO_AXES, IDC_ED_NAME, IDC_PAGES_AXIS_TYPE, IDC_LIST_POSITIONS, IDC_BT_TAKE_SWITCH,
                 IDC_BT_DELETE, IDC_BT_DELETE_ALL, IDC_CHK_ZERO_FROM_END, IDC_COMBO_HANG_POS,
                 IDC_SPIN_NEUTRAL, IDC_UD_NEUTRAL, IDC_BT_MIN, IDC_BT_CEN, IDC_BT_MAX, IDC_BT_TAKE_CONT,
                 IDC_SPIN_THRESHOLD, IDC_UD_THRESHOLD})
    EnableWindow(Item(id), logic_.HasAxis());
  ShowAxis();
  Refresh();
  SetTimer(Handle(), RefreshTimer, RefreshMs, nullptr);
}

void TfmJoySettings::ShowAxis() {
  const auto& shown = logic_.Shown;
  SetText(Item(IDC_ED_NAME), shown.Name);
  CheckDlgButton(Handle(), IDC_CHK_ZERO_FROM_END, shown.Reverse ? BST_CHECKED : BST_UNCHECKED);
  SendMessageW(Item(IDC_COMBO_HANG_POS), CB_SETCURSEL, WPARAM(shown.HangPos), 0);
  neutral_.SetValue(shown.Neutral);
  threshold_.SetValue(shown.Threshold);
  SendMessageW(Item(IDC_PAGES_AXIS_TYPE), TCM_SETCURSEL, WPARAM(shown.Page), 0);
  ShowPage(shown.Page);
  ShowList(-1);
}

void TfmJoySettings::TakeShown() {
  auto& shown = logic_.Shown;
  shown.Name = Text(Item(IDC_ED_NAME));
  shown.Page = int32_t(SendMessageW(Item(IDC_PAGES_AXIS_TYPE), TCM_GETCURSEL, 0, 0));
  shown.Reverse = IsDlgButtonChecked(Handle(), IDC_CHK_ZERO_FROM_END) == BST_CHECKED;
  shown.HangPos = std::max(Selection(Item(IDC_COMBO_HANG_POS)), 0);
  shown.Neutral = neutral_.Value();
  shown.Threshold = threshold_.Value();
}

void TfmJoySettings::ShowPage(int page) {
  for (size_t p = 0; p < pageControls.size(); ++p) {
    for (int id : pageControls[p]) ShowWindow(Item(id), int(p) == page ? SW_SHOW : SW_HIDE);
  }
}

void TfmJoySettings::ShowList(int32_t select) {
  HWND list = Item(IDC_LIST_POSITIONS);
  SendMessageW(list, LVM_SETITEMCOUNT, WPARAM(logic_.Count()), 0);
  LVITEMW none{};
  none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&none));
  if (select >= 0) {
    LVITEMW chosen{};
    chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, WPARAM(select), LPARAM(&chosen));
    SendMessageW(list, LVM_ENSUREVISIBLE, WPARAM(select), FALSE);
  }
  InvalidateRect(list, nullptr, TRUE);
}

void TfmJoySettings::Refresh() {
  const int chosen = logic_.Chosen();
  if (logic_.HasAxis() && joystick_.Poll()) {
    const int32_t* slot = JoyAxes[size_t(chosen)].Value;
    if (slot != nullptr)
      live_ = std::clamp(
          std::atomic_ref<int32_t>(*const_cast<int32_t*>(slot)).load(std::memory_order_relaxed), 0, 65535);
  }
  SetText(Item(IDC_PAN_VALUE), logic_.HasAxis() ? FromUtf8(std::to_string(live_)) : std::u16string());
  InvalidateRect(Item(IDC_METER), nullptr, FALSE);
}

void TfmJoySettings::PaintMeter(const DRAWITEMSTRUCT& item) const {
  RECT all = item.rcItem;
  HBRUSH back = CreateSolidBrush(MeterBack);
  FillRect(item.hDC, &all, back);
  DeleteObject(back);
  RECT bar = all;
  bar.right = bar.left + LONG(int64_t(all.right - all.left) * live_ / 65535);
  HBRUSH fill = CreateSolidBrush(MeterBar);
  FillRect(item.hDC, &bar, fill);
  DeleteObject(fill);
}

void TfmJoySettings::OnCommand(int id, int code) {
  if (neutral_.Command(id, code) || threshold_.Command(id, code) || noiseSpin_.Command(id, code)) return;
  if (id == IDC_COMBO_AXES && code == CBN_SELCHANGE) {
    TakeShown();
    logic_.Choose(Selection(Item(IDC_COMBO_AXES)));
    ShowAxis();
    Refresh();
    return;
  }
  if (code != BN_CLICKED) return;
  HWND list = Item(IDC_LIST_POSITIONS);
  switch (id) {
    case IDC_BT_TAKE_SWITCH: {
      const auto take = logic_.Take(live_, noiseSpin_.Value());
      if (take.Full) {
        MessageBoxW(Handle(), W(lang::LangTranslate("EXCEPT", "msgMaxPos")),
                    W(lang::LangTranslate("", "msgInfo")), MB_ICONINFORMATION);
        return;
      }
      ShowList(take.Line);
      return;
    }
    case IDC_BT_DELETE: {
      const int line = int(SendMessageW(list, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
      if (line < 0) return;
      logic_.Delete(line);
      ShowList(-1);
      return;
    }
    case IDC_BT_DELETE_ALL:
      logic_.DeleteAll();
      ShowList(-1);
      return;
    case IDC_BT_MIN:
      neutral_.SetValue(0);
      return;
    case IDC_BT_CEN:
      neutral_.SetValue(TJoySettingsEditor::NeutralCentre);
      return;
    case IDC_BT_MAX:
      neutral_.SetValue(TJoySettingsEditor::NeutralMax);
      return;
    case IDC_BT_TAKE_CONT:
      neutral_.SetValue(live_);
      return;
    default:
      return;
  }
}

bool TfmJoySettings::Notify(const NMHDR& header) {
  if (header.idFrom == IDC_PAGES_AXIS_TYPE && header.code == TCN_SELCHANGE) {
    ShowPage(int(SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0)));
    return true;
  }
  if (header.idFrom == IDC_LIST_POSITIONS && header.code == LVN_GETDISPINFOW) {
    auto& info = reinterpret_cast<const NMLVDISPINFOW&>(header);
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.cchTextMax <= 0) return true;
    // Asked for any line: one past the count after a delete yields "".
    lineText_ = logic_.Line(info.item.iItem);
    const size_t n = std::min(lineText_.size(), size_t(info.item.cchTextMax - 1));
    std::copy_n(lineText_.data(), n, reinterpret_cast<char16_t*>(info.item.pszText));
    info.item.pszText[n] = L'\0';
    return true;
  }
  return false;
}

bool TfmJoySettings::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_TIMER:
      if (wParam != RefreshTimer) return false;
      Refresh();
      return true;
    case WM_DRAWITEM:
      if (wParam != IDC_METER) return false;
      PaintMeter(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      result = TRUE;
      return true;
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (!DrawSelectionHighlighted(*reinterpret_cast<const NMHDR*>(lParam), IDC_LIST_POSITIONS, answer))
        return Notify(*reinterpret_cast<const NMHDR*>(lParam));
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, answer);
      result = TRUE;
      return true;
    }
    case WM_DESTROY:
      KillTimer(Handle(), RefreshTimer);
      return false;
    default:
      return false;
  }
}

void TfmJoySettings::OnOk() {
  TakeShown();
  noise_ = noiseSpin_.Value();
}

}  // namespace qv::ui::dialogs::win32
