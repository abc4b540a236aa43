#include "ui/dialogs/win32/ChildDialog.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <utility>

#include "base/Error.h"
#include "base/Utf.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {

void TChildDialog::Create(HWND parent, const lang::TComponent& part) {
  UseTexts(part);
  initError_ = nullptr;
  HWND made =
      CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(TemplateId()), parent, &Proc, Self());
  if (initError_) {
    if (made != nullptr) DestroyWindow(made);
    std::rethrow_exception(std::exchange(initError_, nullptr));
  }
  if (made == nullptr) throw Error(u"The window part " + FromUtf8(part.name) + u" cannot be created.");
  // Found by its template's id until it takes another's place.
  SetWindowLongPtrW(made, GWLP_ID, TemplateId());
}

void TChildDialog::TakePlaceOf(int placeholderId) {
  HWND parent = GetParent(Handle());
  HWND placeholder = GetDlgItem(parent, placeholderId);
  if (placeholder == nullptr)
    throw Error(u"The window has no place for its part " + FromUtf8(Tree().name) + u".");
  RECT place{};
  GetWindowRect(placeholder, &place);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(Handle(), placeholder, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  DestroyWindow(placeholder);
  SetWindowLongPtrW(Handle(), GWLP_ID, placeholderId);
}

void TChildDialog::PlaceOnTabs(HWND tabs) {
  HWND parent = GetParent(Handle());
  RECT area{};
  GetWindowRect(tabs, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
  // Just above the tabs: the tab control (WS_CLIPSIBLINGS) then never paints
  // over the page, and Tab reaches the page's controls before the tabs.
  HWND above = GetWindow(tabs, GW_HWNDPREV);
  SetWindowPos(Handle(), above != nullptr ? above : HWND_TOP, area.left, area.top, area.right - area.left,
               area.bottom - area.top, SWP_NOACTIVATE);
  EnableThemeDialogTexture(Handle(), ETDT_ENABLETAB);
}

void TChildDialog::Failed(UINT message) noexcept {
  if (message == WM_INITDIALOG) {
    initError_ = std::current_exception();
    return;
  }
  ui::ShowCurrentError(GetAncestor(Handle(), GA_ROOT));
}

}  // namespace qv::ui::dialogs::win32
