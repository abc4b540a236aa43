#include "ui/dialogs/win32/f_About.h"

#include <shellapi.h>

#include "lang/Lang.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/win32/Wide.h"

namespace qv::ui::dialogs::win32 {
namespace {

constexpr COLORREF LinkColour = RGB(0, 0, 204);
constexpr COLORREF VisitedColour = RGB(119, 0, 136);

// The control's font, changed by change, as a new font the caller frees.
template <class Change>
HFONT SetDerivedFont(HWND control, Change change) {
  LOGFONTW font{};
  GetObjectW(HFONT(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  change(font);
  HFONT derived = CreateFontIndirectW(&font);
  SendMessageW(control, WM_SETFONT, WPARAM(derived), FALSE);
  return derived;
}

intptr_t ShellExecuteOpen(std::u16string_view address) {
  const std::u16string text(address);
  return reinterpret_cast<intptr_t>(
      ShellExecuteW(nullptr, L"open", W(text), nullptr, nullptr, SW_SHOWNORMAL));
}

}  // namespace

TfmAbout::TfmAbout(std::u16string version)
    : TModalDialog(IDD_ABOUT, "fmAbout", AboutTexts()),
      ShellOpen(ShellExecuteOpen),
      version_(std::move(version)) {}

void TfmAbout::OnInit() {
  SetText(Handle(), lang::LangTranslate("fmAbout", "fmAbout"));
  SetText(Item(IDC_LB_VERSION), VersionLine(version_));
  SetText(Item(IDC_LB_LINK), std::u16string(HomePage));
  linkFont_ = SetDerivedFont(Item(IDC_LB_LINK), [](LOGFONTW& font) { font.lfUnderline = TRUE; });
  nameFont_ = SetDerivedFont(Item(IDC_LB_PROGRAM), [](LOGFONTW& font) {
    font.lfWeight = FW_BOLD;
    font.lfHeight = font.lfHeight * 3 / 2;
  });
}

void TfmAbout::OnCommand(int id, int code) {
  if (id != IDC_LB_LINK || code != STN_CLICKED) return;
  if (!link_.Follow(ShellOpen)) {
    const std::u16string address(HomePage);
    MessageBoxW(Handle(), W(address), L"Error", MB_ICONERROR);
  }
  InvalidateRect(Item(IDC_LB_LINK), nullptr, TRUE);
}

bool TfmAbout::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  HWND link = Item(IDC_LB_LINK);
  switch (message) {
    case WM_CTLCOLORSTATIC:
      if (HWND(lParam) != link) return false;
      SetTextColor(HDC(wParam), link_.Visited() ? VisitedColour : LinkColour);
      SetBkMode(HDC(wParam), TRANSPARENT);
      result = INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    case WM_SETCURSOR:
      if (HWND(wParam) != link) return false;
      SetCursor(LoadCursorW(nullptr, IDC_HAND));
      SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, TRUE);
      result = TRUE;
      return true;
    case WM_DESTROY:
      DeleteObject(linkFont_);
      DeleteObject(nameFont_);
      linkFont_ = nameFont_ = nullptr;
      return false;
    default:
      return false;
  }
}

}  // namespace qv::ui::dialogs::win32
