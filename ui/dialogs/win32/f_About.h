#pragma once
// fmAbout: the program's name, its version, its authors and a link to the
// project's page. It edits nothing, so polling goes on while it is open.
#include <string>

#include "ui/dialogs/About.h"
#include "ui/dialogs/win32/ModalDialog.h"

namespace qv::ui::dialogs::win32 {

class TfmAbout final : public TModalDialog {
 public:
  explicit TfmAbout(std::u16string version);
  void Execute(HWND owner) { Run(owner); }

  // How the link opens its address; the shell's "open" verb unless a test
  // puts something else here.
  TAboutLink::TShellOpen ShellOpen;

 private:
  void OnInit() override;
  void OnCommand(int id, int code) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

  std::u16string version_;
  TAboutLink link_;
  HFONT linkFont_ = nullptr;
  HFONT nameFont_ = nullptr;
};

}  // namespace qv::ui::dialogs::win32
