#include "ui/dialogs/win32/f_PressKey.h"

#include "ui/dialogs/resource.h"
#include "ui/dialogs/win32/Controls.h"
#include "ui/dialogs/win32/f_AskKey.h"
#include "ui/dialogs/win32/f_SysCmd.h"

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
    : TChildDialog(IDD_FR_PRESS_KEY, PressKeyFrameTexts()), askKey_(askKey), sysCmd_(sysCmd), logic_(logic) {}

TfrPressKey::~TfrPressKey() {
  if (techPicture_ != nullptr) DeleteObject(techPicture_);
  if (deletePicture_ != nullptr) DeleteObject(deletePicture_);
  if (disabledDeletePicture_ != nullptr) DeleteObject(disabledDeletePicture_);
}

void TfrPressKey::Create(HWND window, int placeholderId, const lang::TComponent& part, bool showRepeat) {
  TChildDialog::Create(window, part);
  TakePlaceOf(placeholderId);
  ShowControls(Handle(), {IDC_SPIN_REPEAT, IDC_UD_REPEAT}, showRepeat);
}

void TfrPressKey::OnInit() {
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  if (techPicture_ == nullptr) techPicture_ = LoadPicture(L"LIST_COMPAT", face);
  if (deletePicture_ == nullptr) deletePicture_ = LoadPicture(L"LIST_CROSS", face);
  if (disabledDeletePicture_ == nullptr)
    disabledDeletePicture_ = LoadPicture(L"LIST_CROSS", HBRUSH(GetStockObject(WHITE_BRUSH)));
  SendMessageW(Item(IDC_BT_TECH), BM_SETIMAGE, IMAGE_BITMAP, LPARAM(techPicture_));
  // Three a click: counts are small, and typed when exact.
  repeat_.Attach(Handle(), IDC_SPIN_REPEAT, IDC_UD_REPEAT, TPressKeyFrame::MinRepeat,
                 TPressKeyFrame::MaxRepeat, 3);
  repeat_.OnChange = [this] { logic_.SetRepeat(repeat_.Value()); };
  Show();
}

void TfrPressKey::OnCommand(int id, int code) {
  if (repeat_.Command(id, code) || code != BN_CLICKED) return;
  HWND window = GetParent(Handle());
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
  SetText(Item(IDC_BT_KEY), shown.KeyText);
  // Clearing disables the button that has the focus; the key button takes it.
  if (!shown.DeleteEnabled && GetFocus() == Item(IDC_BT_DELETE)) SetFocus(Item(IDC_BT_KEY));
  EnableControls(Handle(), {IDC_SPIN_REPEAT, IDC_UD_REPEAT}, shown.RepeatEnabled);
  SendMessageW(Item(IDC_BT_DELETE), BM_SETIMAGE, IMAGE_BITMAP,
               LPARAM(shown.DeleteEnabled ? deletePicture_ : disabledDeletePicture_));
  EnableWindow(Item(IDC_BT_DELETE), shown.DeleteEnabled);
  if (OnShow) OnShow();
}

}  // namespace qv::ui::dialogs::win32
