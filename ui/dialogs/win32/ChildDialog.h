#pragma once
// A part of a window made from a template of its own (DS_CONTROL | WS_CHILD,
// so that Tab walks into its controls and on): a key frame, a tab page. Its
// texts come from its part of the window's component tree. An error in its
// code is shown once in the program's error box and the window stays open:
// only that click failed. An error while it is made is the window's, raised
// from Create.
#include <windows.h>

#include <exception>
#include <span>

#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/win32/DialogWindow.h"

namespace qv::ui::dialogs::win32 {

class TChildDialog : public TDialogWindow {
 public:
  using TDialogWindow::TDialogWindow;

  // Made in parent (at the parent's WM_INITDIALOG), with the texts of part,
  // as parent's control of the template's id.
  void Create(HWND parent, const lang::TComponent& part);
  // In the place, the Tab position and the id of parent's placeholder
  // control, which goes.
  void TakePlaceOf(int placeholderId);
  // A page of the tab control tabs, a sibling of it: in its display area,
  // on the tab's own background.
  void PlaceOnTabs(HWND tabs);

 private:
  void Failed(UINT message) noexcept override;

  std::exception_ptr initError_;
};

}  // namespace qv::ui::dialogs::win32
