#include "ui/dialogs/win32/f_AxisSettings.h"

#include "engine/Profile.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TfmAxisSettings::TfmAxisSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TModalDialog(IDD_AXIS_SETTINGS, "fmAxisSettings", AxisSettingsTexts()),
      up_(askKey, sysCmd, logic_.Up),
      down_(askKey, sysCmd, logic_.Down) {
  DescribeAxisFrames(Components());
  // A linked count's partner is shown with the same value; were its change
  // notice heard, the editor's check that the value differs ends the echo.
  resyncFirst_.OnChange = [this] {
    if (logic_.SetResyncFirst(resyncFirst_.Value())) resyncLast_.SetValue(logic_.ResyncLast);
  };
  resyncLast_.OnChange = [this] {
    if (logic_.SetResyncLast(resyncLast_.Value())) resyncFirst_.SetValue(logic_.ResyncFirst);
  };
}

void TfmAxisSettings::Execute(HWND owner, int axis) {
  TPollingGuard polling(ui::ReportError);
  const size_t k = size_t(axis);
  logic_.Load(ProfileAxes.at(k), AxisTrackers.at(k).SegmentCount);
  if (Run(owner)) logic_.Store();
  polling.Restart();
}

void TfmAxisSettings::OnInit() {
  up_.Create(Handle(), IDC_FR_UP, FindComponent(Components(), AxisFrameNames[0]), true);
  down_.Create(Handle(), IDC_FR_DOWN, FindComponent(Components(), AxisFrameNames[1]), true);
  const int32_t segments = logic_.SegmentCount();
  posLimit_.Attach(Handle(), IDC_SPIN_POS_LIMIT, IDC_UD_POS_LIMIT, 0, segments);
  posLimit_.SetValue(logic_.PosLimit);
  initialPos_.Attach(Handle(), IDC_SPIN_INITIAL_POS, IDC_UD_INITIAL_POS, 0, segments);
  initialPos_.SetValue(logic_.InitialPos);
  resyncFirst_.Attach(Handle(), IDC_SPIN_RESYNC_FIRST, IDC_UD_RESYNC_FIRST, 0,
                      TAxisSettingsEditor::ResyncMax);
  resyncFirst_.SetValue(logic_.ResyncFirst);
  resyncLast_.Attach(Handle(), IDC_SPIN_RESYNC_LAST, IDC_UD_RESYNC_LAST, 0, TAxisSettingsEditor::ResyncMax);
  resyncLast_.SetValue(logic_.ResyncLast);
  Check(Item(IDC_BT_LINKED), logic_.Linked());
  Check(Item(IDC_CHK_REENUMERATE), false);
}

void TfmAxisSettings::OnCommand(int id, int code) {
  if (resyncFirst_.Command(id, code) || resyncLast_.Command(id, code)) return;
  if (id == IDC_BT_LINKED && code == BN_CLICKED) {
    logic_.SetLinked(Checked(Item(IDC_BT_LINKED)));
    resyncLast_.SetValue(logic_.ResyncLast);
  }
}

void TfmAxisSettings::OnOk() {
  logic_.PosLimit = posLimit_.Value();
  logic_.InitialPos = initialPos_.Value();
  logic_.ResyncFirst = resyncFirst_.Value();
  logic_.ResyncLast = resyncLast_.Value();
  logic_.Reenumerate = Checked(Item(IDC_CHK_REENUMERATE));
}

}  // namespace qv::ui::dialogs::win32
