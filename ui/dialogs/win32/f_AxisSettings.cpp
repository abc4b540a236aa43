#include "ui/dialogs/win32/f_AxisSettings.h"

#include "engine/Profile.h"
#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TfmAxisSettings::TfmAxisSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd, TfmStepMeasure& measure)
    : TModalDialog(IDD_AXIS_SETTINGS, "fmAxisSettings", AxisSettingsTexts()),
      measure_(measure),
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
  // Only a pair of keys can be measured.
  up_.OnShow = down_.OnShow = [this] {
    EnableWindow(Item(IDC_BT_MEASURE), TStepMeasure::Measurable(logic_.Up.Action, logic_.Down.Action));
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
  stepHold_.Attach(Handle(), IDC_SPIN_STEP_HOLD, IDC_UD_STEP_HOLD, 0, TAxisSettingsEditor::StepTimeMax);
  stepHold_.SetValue(logic_.StepHold);
  stepGap_.Attach(Handle(), IDC_SPIN_STEP_GAP, IDC_UD_STEP_GAP, 0, TAxisSettingsEditor::StepTimeMax);
  stepGap_.SetValue(logic_.StepGap);
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
  if (id == IDC_BT_MEASURE && code == BN_CLICKED) return Measure();
  if (id == IDC_BT_LINKED && code == BN_CLICKED) {
    logic_.SetLinked(Checked(Item(IDC_BT_LINKED)));
    resyncLast_.SetValue(logic_.ResyncLast);
  }
}

// The wizard's hold goes into the fields; the profile only takes it on OK.
void TfmAxisSettings::Measure() {
  const std::optional<int32_t> hold = measure_.Execute(Handle(), logic_.Up.Action, logic_.Down.Action);
  if (!hold) return;
  logic_.TakeMeasured(*hold);
  stepHold_.SetValue(logic_.StepHold);
  stepGap_.SetValue(logic_.StepGap);
}

void TfmAxisSettings::OnOk() {
  logic_.StepHold = stepHold_.Value();
  logic_.StepGap = stepGap_.Value();
  logic_.PosLimit = posLimit_.Value();
  logic_.InitialPos = initialPos_.Value();
  logic_.ResyncFirst = resyncFirst_.Value();
  logic_.ResyncLast = resyncLast_.Value();
  logic_.Reenumerate = Checked(Item(IDC_CHK_REENUMERATE));
}

}  // namespace qv::ui::dialogs::win32
