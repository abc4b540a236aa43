#include "ui/dialogs/win32/f_PressKey.h"

#include "base/Error.h"
#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/dialogs/win32/f_AskKey.h"
#include "ui/dialogs/win32/f_SysCmd.h"
#include "ui/win32/ErrorBox.h"

namespace qv::ui::dialogs::win32 {
namespace {

// The control list's own small pictures on the button face: their sources
// mark "no pixel" with magenta, which a button would show as it is. A
// disabled button draws its picture embossed, every pixel that is not white
// as its shadow: its picture has a white ground, so only the figure greys.
HBITMAP LoadPicture(const wchar_t* name, HBRUSH ground) {
  auto source = HBITMAP(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (source == nullptr) return nullptr;
  BITMAP info{};
  GetObjectW(source, sizeof(info), &info);
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen);
  HDC to = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, info.bmWidth, info.bmHeight);
  HGDIOBJ oldFrom = SelectObject(from, source);
  HGDIOBJ oldTo = SelectObject(to, picture);
  const RECT all{0, 0, info.bmWidth, info.bmHeight};
  FillRect(to, &all, ground);
  TransparentBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, info.bmWidth, info.bmHeight,
                 RGB(255, 0, 255));
  SelectObject(from, oldFrom);
  SelectObject(to, oldTo);
  DeleteDC(from);
  DeleteDC(to);
  ReleaseDC(nullptr, screen);
  DeleteObject(source);
  return picture;
}

}  // namespace

TfrPressKey::TfrPressKey(TfmAskKey& askKey, TfmSysCmd& sysCmd, TPressKeyFrame& logic)
    : askKey_(askKey), sysCmd_(sysCmd), logic_(logic) {}

TfrPressKey::~TfrPressKey() {
  if (techPicture_ != nullptr) DeleteObject(techPicture_);
  if (deletePicture_ != nullptr) DeleteObject(deletePicture_);
  if (disabledDeletePicture_ != nullptr) DeleteObject(disabledDeletePicture_);
}

void TfrPressKey::Create(HWND window, int placeholderId, const TFrameHints& hints, bool showRepeat) {
  HWND placeholder = GetDlgItem(window, placeholderId);
  if (placeholder == nullptr) throw Error(u"A key window has no place for its key frame.");
  hints_ = &hints;
  frame_ = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FR_PRESS_KEY), window, &Proc,
                              reinterpret_cast<LPARAM>(this));
  hints_ = nullptr;
  if (frame_ == nullptr) throw Error(u"A key frame cannot be created.");
  RECT place{};
  GetWindowRect(placeholder, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  SetWindowPos(frame_, placeholder, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  // The frame is the control of that place from now on.
  DestroyWindow(placeholder);
  SetWindowLongPtrW(frame_, GWLP_ID, placeholderId);
  ShowWindow(GetDlgItem(frame_, IDC_SPIN_REPEAT), showRepeat ? SW_SHOW : SW_HIDE);
  ShowWindow(GetDlgItem(frame_, IDC_UD_REPEAT), showRepeat ? SW_SHOW : SW_HIDE);
}

INT_PTR CALLBACK TfrPressKey::Proc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(frame, DWLP_USER, lParam);
  auto* self = reinterpret_cast<TfrPressKey*>(GetWindowLongPtrW(frame, DWLP_USER));
  if (self == nullptr) return FALSE;
  try {
    if (message == WM_INITDIALOG) {
      self->frame_ = frame;
      self->Init(*self->hints_);
      return FALSE;  // the window in front decides where the focus goes
    }
    if (message == WM_COMMAND) {
      self->Command(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    }
  } catch (...) {
    // The key window stays open: only this click failed.
    ui::ShowCurrentError(GetParent(frame));
    return TRUE;
  }
  return FALSE;
}

void TfrPressKey::Init(const TFrameHints& hints) {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (techPicture_ == nullptr) techPicture_ = LoadPicture(L"LIST_COMPAT", face);
  if (deletePicture_ == nullptr) deletePicture_ = LoadPicture(L"LIST_CROSS", face);
  if (disabledDeletePicture_ == nullptr)
    disabledDeletePicture_ = LoadPicture(L"LIST_CROSS", HBRUSH(GetStockObject(WHITE_BRUSH)));
  SendDlgItemMessageW(frame_, IDC_BT_TECH, BM_SETIMAGE, IMAGE_BITMAP, LPARAM(techPicture_));
  HWND tooltips = AddTooltip(nullptr, frame_, GetDlgItem(frame_, IDC_BT_TECH), hints.Tech);
  tooltips = AddTooltip(tooltips, frame_, GetDlgItem(frame_, IDC_BT_DELETE), hints.Delete);
  AddTooltip(tooltips, frame_, GetDlgItem(frame_, IDC_SPIN_REPEAT), hints.Repeat);
  // Three a click: counts are small, and typed when exact.
  repeat_.Attach(frame_, IDC_SPIN_REPEAT, IDC_UD_REPEAT, TPressKeyFrame::MinRepeat, TPressKeyFrame::MaxRepeat,
                 3);
  repeat_.OnChange = [this] { logic_.SetRepeat(repeat_.Value()); };
  Show();
}

void TfrPressKey::Command(int id, int code) {
  if (repeat_.Command(id, code) || code != BN_CLICKED) return;
  HWND window = GetParent(frame_);
  switch (id) {
    case IDC_BT_KEY:
      if (askKey_.Execute(window, logic_.Action)) Show();
      break;
    case IDC_BT_TECH:
      if (sysCmd_.Execute(window, logic_.Action)) Show();
      break;
    case IDC_BT_DELETE:
      logic_.Clear();
      Show();
      break;
    default:
      break;
  }
}

void TfrPressKey::Show() {
  const TPressKeyFrame::TShown shown = logic_.Shown();
  repeat_.SetValue(shown.Repeat);
  SetText(GetDlgItem(frame_, IDC_BT_KEY), shown.KeyText);
  // Clearing disables the button that has the focus; the key button takes it.
  if (!shown.DeleteEnabled && GetFocus() == GetDlgItem(frame_, IDC_BT_DELETE))
    SetFocus(GetDlgItem(frame_, IDC_BT_KEY));
  EnableWindow(GetDlgItem(frame_, IDC_SPIN_REPEAT), shown.RepeatEnabled);
  EnableWindow(GetDlgItem(frame_, IDC_UD_REPEAT), shown.RepeatEnabled);
  SendDlgItemMessageW(frame_, IDC_BT_DELETE, BM_SETIMAGE, IMAGE_BITMAP,
                      LPARAM(shown.DeleteEnabled ? deletePicture_ : disabledDeletePicture_));
  EnableWindow(GetDlgItem(frame_, IDC_BT_DELETE), shown.DeleteEnabled);
}

}  // namespace qv::ui::dialogs::win32
