#pragma once
// fmSysCmd: the system commands and the keys known by name, each described
// below the list; a pick rewrites the action.
#include <windows.h>

#include <string>
#include <vector>

#include "engine/KeyAction.h"
#include "ui/dialogs/win32/ModalDialog.h"

namespace qv::ui::dialogs::win32 {

class TfmSysCmd final : public TModalDialog {
 public:
  TfmSysCmd();
  // True when a line was picked; then action holds it.
  bool Execute(HWND owner, TKeyAction& action);

 private:
  void OnInit() override;
  void OnOk() override;
  void OnCommand(int id, int code) override;
  void Describe();

  std::vector<std::u16string> names_;
  // The last line chosen, kept between showings.
  int selected_ = 0;
};

}  // namespace qv::ui::dialogs::win32
