#include "ui/dialogs/win32/KeyWindow.h"

#include "ui/dialogs/PollingGuard.h"
#include "ui/dialogs/resource.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

TKeyWindow::TKeyWindow(int templateId, std::string_view formName, std::span<const TControlText> texts,
                       TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TModalDialog(templateId, formName, texts),
      frames_{TfrPressKey(askKey, sysCmd, logic_.Keys.Frame(TButtonFrame::Press)),
              TfrPressKey(askKey, sysCmd, logic_.Keys.Frame(TButtonFrame::Hold)),
              TfrPressKey(askKey, sysCmd, logic_.Keys.Frame(TButtonFrame::Release))} {
  DescribeKeyFrames(Components());
}

void TKeyWindow::Open(HWND owner, const std::function<void()>& load) {
  TPollingGuard polling(ui::ReportError);
  load();
  if (Run(owner)) logic_.Store();
  polling.Restart();
}

void TKeyWindow::OnInit() {
  const int places[] = {IDC_FR_PRESS, IDC_FR_HOLD, IDC_FR_RELEASE};
  const lang::TComponent& keys = FindComponent(Components(), "frKeys");
  for (auto part : {TButtonFrame::Press, TButtonFrame::Hold, TButtonFrame::Release})
    frames_[part].Create(Handle(), places[part], FindComponent(keys, KeyFrameNames[part]),
                         part != TButtonFrame::Hold);
}

TfmHatPosSettings::TfmHatPosSettings(TfmAskKey& askKey, TfmSysCmd& sysCmd)
    : TKeyWindow(IDD_HAT_POS_SETTINGS, "fmHatPosSettings", HatPosSettingsTexts(), askKey, sysCmd) {}

void TfmHatPosSettings::Execute(HWND owner, TKeyEvents& events) {
  Open(owner, [&] { logic_.Load(events); });
}

}  // namespace qv::ui::dialogs::win32
