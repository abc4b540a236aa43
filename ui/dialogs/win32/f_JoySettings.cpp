#include "ui/dialogs/win32/f_JoySettings.h"

#include <commctrl.h>

#include <algorithm>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "storage/JoySettingsFile.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {
namespace {

constexpr UINT_PTR RefreshTimer = 1;

// Common controls 6 draw a progress bar in the theme's colours whatever it
// is told, so the meter is painted here.
constexpr COLORREF MeterBack = RGB(0, 128, 0);
constexpr COLORREF MeterBar = RGB(0, 255, 0);

}  // namespace

TfmJoySettings::TfmJoySettings(input::TJoystick& joystick)
    : TModalDialog(IDD_JOY_SETTINGS, "fmJoySettings", JoySettingsTexts()),
      joystick_(joystick),
      unused_(IDD_PAGE_UNUSED, AxisPageTexts(atUnused)),
      multipos_(
          logic_, [this] { return live_; }, [this] { return noiseSpin_.Value(); }),
      analog_(logic_, [this] { return live_; }),
      pages_{&unused_, &multipos_, &analog_} {
  DescribeAxisPages(Components());
}

void TfmJoySettings::Execute(HWND owner) {
  TPollingGuard polling(ui::ReportError);
  if (!filled_) {
    for (int i = 0; i < JoyAxisCount; ++i)
      entries_.push_back(TJoySettingsEditor::AxisEntry(JoyAxes[size_t(i)]));
    filled_ = true;
  }
  logic_.Open(JoySettings, {JoyAxes.data(), size_t(JoyAxisCount)});
  // The timer dies with the window, before Run returns and so before
  // polling starts again.
  if (Run(owner)) {
    logic_.Confirm(JoySettings, noise_);
    SaveJoySettings(SettingsFile.empty() ? JoySettingsFileName() : SettingsFile);
  }
  polling.Restart();
}

void TfmJoySettings::OnInit() {
  HWND tabs = Item(IDC_PAGES_AXIS_TYPE);
  std::vector<std::u16string> captions;
  for (std::string_view name : AxisPageNames) captions.push_back(FindComponent(Components(), name).caption);
  // The tabs first: their row's height decides the display area.
  SetTabs(tabs, captions);
  for (size_t page = 0; page < pages_.size(); ++page) {
    pages_[page]->Create(Handle(), FindComponent(Components(), AxisPageNames[page]));
    pages_[page]->PlaceOnTabs(tabs);
  }
  noiseSpin_.Attach(Handle(), IDC_SPIN_NOISE, IDC_UD_NOISE, TJoySettingsEditor::NoiseMin,
                    TJoySettingsEditor::NoiseMax);
  noiseSpin_.SetValue(logic_.Noise);
  SetItems(Item(IDC_COMBO_AXES), entries_, logic_.HasAxis() ? logic_.Chosen() : -1);
  // Without an axis there is nothing to edit; OK still saves the noise.
  EnableControls(Handle(), {IDC_COMBO_AXES, IDC_ED_NAME, IDC_PAGES_AXIS_TYPE}, logic_.HasAxis());
  for (TChildDialog* page : pages_) EnableAllControls(page->Handle(), logic_.HasAxis());
  ShowAxis();
  Refresh();
  SetTimer(Handle(), RefreshTimer, RefreshMs, nullptr);
}

void TfmJoySettings::ShowAxis() {
  SetText(Item(IDC_ED_NAME), logic_.Shown.Name);
  multipos_.Show();
  analog_.Show();
  ChooseTab(Item(IDC_PAGES_AXIS_TYPE), logic_.Shown.Page);
  ShowPage(logic_.Shown.Page);
}

void TfmJoySettings::TakeShown() {
  logic_.Shown.Name = Text(Item(IDC_ED_NAME));
  logic_.Shown.Page = ChosenTab(Item(IDC_PAGES_AXIS_TYPE));
  multipos_.Take();
  analog_.Take();
}

void TfmJoySettings::ShowPage(int page) {
  for (size_t p = 0; p < pages_.size(); ++p)
    ShowWindow(pages_[p]->Handle(), int(p) == page ? SW_SHOW : SW_HIDE);
}

void TfmJoySettings::Refresh() {
  if (logic_.HasAxis() && joystick_.Poll())
    live_ = std::clamp(joystick_.AxisValue(logic_.Chosen()), 0, 65535);
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
  if (id == IDC_COMBO_AXES && code == CBN_SELCHANGE) {
    TakeShown();
    logic_.Choose(Selection(Item(IDC_COMBO_AXES)));
    ShowAxis();
    Refresh();
  }
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
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom != IDC_PAGES_AXIS_TYPE || header.code != TCN_SELCHANGE) return false;
      ShowPage(ChosenTab(header.hwndFrom));
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
