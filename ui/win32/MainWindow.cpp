#include "ui/win32/MainWindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "engine/Tracker.h"
#include "lang/Translator.h"
#include "ui/Captions.h"
#include "ui/win32/ErrorBox.h"
#include "ui/win32/Wide.h"

namespace qv::ui {

std::atomic<HWND> RepaintList{nullptr};

namespace {

constexpr wchar_t ClassName[] = L"TfmMain";
constexpr int ListId = 1;
// The window's designed size at 96 dots per inch.
constexpr int DesignedWidth = 600;
constexpr int DesignedHeight = 420;

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
    wc.lpszClassName = ClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
}

HFONT MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

// "description|pattern|..." as the file dialogs want it: zero-separated,
// two zeros at the end.
std::u16string DialogFilter(const std::u16string& filter) {
  std::u16string out = filter;
  for (char16_t& c : out) {
    if (c == u'|') c = u'\0';
  }
  out.push_back(u'\0');
  out.push_back(u'\0');
  return out;
}

bool RunFileDialog(HWND owner, std::u16string& name, bool open) {
  std::vector<wchar_t> buffer(4096, L'\0');
  const std::u16string filter = DialogFilter(Captions.ProfileFilter);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = reinterpret_cast<const wchar_t*>(filter.c_str());
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = DWORD(buffer.size());
  ofn.lpstrDefExt = L"qvprof";
  ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (open) ofn.Flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!(open ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn))) return false;
  name = U(buffer.data());
  return true;
}

}  // namespace

TfmMain::TfmMain(const std::u16string& version, const TDeviceView& device, TMainWindowServices services)
    : services_(std::move(services)), device_(device) {
  DescribeMainWindow(components_, version);
  lang::RegisterLangForm(components_);
  RegisterClassOnce();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  window_ = CreateWindowExW(0, ClassName, L"fmMain", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            MulDiv(DesignedWidth, dpi, 96), MulDiv(DesignedHeight, dpi, 96), nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw Error(u"The main window cannot be created.");
  SetWindowLongPtrW(window_, GWLP_USERDATA, LONG_PTR(this));
  SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(&WindowProc));
  BuildMenus();
  CreateList();
  // The rows, as the engine sees the device now.
  BuildControlTree(tree_);
  RebuildTrackers();
  RebuildPositionRows(tree_);
  view_ = std::make_unique<TListBoxView>(list_);
  tree_.AttachList(view_.get());
  tree_.SelectRow(0);
  smallIcon_ = HICON(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
  tray_ = std::make_unique<TTrayIcon>(window_, smallIcon_);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");

  RepaintList.store(list_);
  EngineHooks.Repaint = [] {
    if (HWND list = RepaintList.load(std::memory_order_relaxed)) InvalidateRect(list, nullptr, FALSE);
  };
  EngineHooks.MainWindowVisible = [window = window_] { return IsWindowVisible(window) != FALSE; };
  EngineHooks.RebuildList = [this] { RebuildPositionRowsKeepingSelection(tree_); };
}

TfmMain::~TfmMain() {
  qv::ExitPolling();
  RepaintList.store(nullptr);
  EngineHooks.Repaint = nullptr;
  EngineHooks.MainWindowVisible = nullptr;
  EngineHooks.RebuildList = nullptr;
  EngineHooks.ProfileChanged = nullptr;
  if (inTray_) tray_->Delete();
  tree_.AttachList(nullptr);
  if (IsWindow(window_)) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (popup_) DestroyMenu(popup_);
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (font_) DeleteObject(font_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

std::optional<TIcon> TfmMain::HoverIcon() {
  POINT mouse{};
  GetCursorPos(&mouse);
  ScreenToClient(list_, &mouse);
  const auto hit = DWORD(SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(mouse.x, mouse.y)));
  if (HIWORD(hit) != 0) return std::nullopt;
  RECT line{};
  if (SendMessageW(list_, LB_GETITEMRECT, LOWORD(hit), LPARAM(&line)) == LB_ERR) return std::nullopt;
  return painter_.IconAt(tree_, device_, font_, int32_t(LOWORD(hit)),
                         {line.right - line.left, line.bottom - line.top}, mouse.x - line.left);
}

void TfmMain::CreateList() {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NODATA | LBS_OWNERDRAWFIXED |
                              LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                          0, 0, 10, 10, window_, HMENU(INT_PTR(ListId)), GetModuleHandleW(nullptr), nullptr);
  font_ = MessageFont();
  SendMessageW(list_, WM_SETFONT, WPARAM(font_), FALSE);
  // One row is one line of the list's font.
  HDC dc = GetDC(list_);
  HGDIOBJ old = SelectObject(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(list_, dc);
  SendMessageW(list_, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
  SetWindowSubclass(list_, &ListProc, 1, DWORD_PTR(this));
  tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0,
                          0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (tips_ != nullptr) {
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, 320);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(list_);
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tips_, TTM_ADDTOOLW, 0, LPARAM(&tool));
  }
  RECT client{};
  GetClientRect(window_, &client);
  MoveWindow(list_, 0, 0, client.right, client.bottom, FALSE);
}

std::u16string TfmMain::Text(std::string_view component) const {
  for (const auto& child : components_.owned) {
    if (child->name == component) return child->caption;
  }
  return std::u16string(component.begin(), component.end());
}

void TfmMain::BuildMenus() {
  auto itemText = [this](const TActionInfo& action) {
    std::u16string text = Text(action.Name);
    if (!action.ShortcutText.empty()) text += u"\t" + std::u16string(action.ShortcutText);
    return text;
  };
  HMENU bar = CreateMenu();
  for (const TMenuInfo& menu : MainMenus()) {
    HMENU sub = CreatePopupMenu();
    for (const TActionInfo* action : menu.Items) {
      if (action) {
        AppendMenuW(sub, MF_STRING, UINT_PTR(action->Id), W(itemText(*action)));
      } else {
        AppendMenuW(sub, MF_SEPARATOR, 0, nullptr);
      }
    }
    AppendMenuW(bar, MF_POPUP, UINT_PTR(sub), W(Text(menu.Name)));
  }
  AppendMenuW(bar, MF_STRING, UINT_PTR(TActionId::About), W(Text(VersionItemName)));
  HMENU old = GetMenu(window_);
  SetMenu(window_, bar);
  if (old) DestroyMenu(old);

  if (popup_) DestroyMenu(popup_);
  popup_ = CreatePopupMenu();
  for (const TActionInfo* action : PopupMenu())
    AppendMenuW(popup_, MF_STRING, UINT_PTR(action->Id), W(itemText(*action)));
  SetMenuDefaultItem(popup_, UINT(PopupMenu().front()->Id), FALSE);

  if (!accelerators_) {
    std::vector<ACCEL> keys;
    for (const TActionInfo& action : MainActions()) {
      if (action.Key == 0) continue;
      keys.push_back({BYTE(FVIRTKEY | (action.Ctrl ? FCONTROL : 0)), action.Key, WORD(action.Id)});
    }
    accelerators_ = CreateAcceleratorTableW(keys.data(), int(keys.size()));
  }
}

void TfmMain::ApplyTexts() {
  BuildMenus();
  SetWindowTextW(window_, W(components_.caption));
}

void TfmMain::Execute(TActionId action) {
  switch (action) {
    case TActionId::New:
      commands_.New();
      break;
    case TActionId::Load:
      commands_.Load();
      break;
    case TActionId::LoadNoHk:
      if (!BringOpenWindowForward()) commands_.Load();
      break;
    case TActionId::Save:
      commands_.Save();
      break;
    case TActionId::SaveAs:
      commands_.SaveAs();
      break;
    case TActionId::SetInitial:
      commands_.SetInitial();
      break;
    case TActionId::PopRestore:
      if (!BringOpenWindowForward()) RemoveTrayIcon(true);
      break;
    case TActionId::PopExit:
      if (!BringOpenWindowForward()) SendMessageW(window_, WM_CLOSE, 0, 0);
      break;
    case TActionId::Compatibility:
    case TActionId::JoySettings:
    case TActionId::ProgSettings:
    case TActionId::About:
      if (services_.OpenActionDialog) services_.OpenActionDialog(action);
      break;
  }
}

void TfmMain::RowDoubleClick() {
  TTreeItem* item = tree_.SelectedItem();
  if (!item) return;
  const TRowAction action = RowActionFor(item);
  if (action.Command == TRowCommand::ToggleFolder) {
    static_cast<TTreeListNode*>(item)->Toggle();
  } else if (action.Command == TRowCommand::Compatibility) {
    Execute(TActionId::Compatibility);
  } else if (action.Command != TRowCommand::None && services_.OpenRowDialog) {
    services_.OpenRowDialog(action);
  }
}

LRESULT CALLBACK TfmMain::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TfmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    ui::ShowCurrentError(window);
    return 0;
  }
}

LRESULT CALLBACK TfmMain::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) {
  // Enter does what a double-click does, and goes no further.
  if (message == WM_KEYDOWN && wParam == VK_RETURN) {
    try {
      reinterpret_cast<TfmMain*>(self)->RowDoubleClick();
    } catch (...) {
      ui::ShowCurrentError(GetParent(list));
    }
    return 0;
  }
  if (message == WM_CHAR && wParam == L'\r') return 0;
  if (message == WM_MOUSEMOVE) {
    // Onto another icon (or off one): the tip shown says the old one's text.
    auto& window = *reinterpret_cast<TfmMain*>(self);
    const std::optional<TIcon> icon = window.HoverIcon();
    const int hovered = icon ? int(*icon) : -1;
    if (hovered != window.hovered_ && window.tips_ != nullptr) SendMessageW(window.tips_, TTM_POP, 0, 0);
    window.hovered_ = hovered;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

LRESULT TfmMain::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    // The shell started again and forgot every icon. A new shell that
    // refuses it gets the window back: hidden without an icon, the program
    // could not be reached.
    if (inTray_) {
      tray_->Delete();
      if (!tray_->Add(caption_)) RemoveTrayIcon(true);
    }
    return DefWindowProcW(window_, message, wParam, lParam);
  }
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == ListId) {
        if (HIWORD(wParam) == LBN_DBLCLK) RowDoubleClick();
        return 0;
      }
      if (LOWORD(wParam) >= UINT(TActionId::New) && LOWORD(wParam) <= UINT(TActionId::About))
        Execute(TActionId(LOWORD(wParam)));
      return 0;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.code != TTN_GETDISPINFOW || header.hwndFrom != tips_) break;
      const std::optional<TIcon> icon = HoverIcon();
      hoverText_ = icon ? Captions.IconHints[size_t(*icon)] : std::u16string();
      reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = W(hoverText_.data());
      return 0;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.hwndItem == list_) painter_.Draw(item, tree_, device_, font_);
      return TRUE;
    }
    case WM_SIZE:
      // Minimised without the system command (show desktop, another
      // program): into the tray all the same.
      if (wParam == SIZE_MINIMIZED && !inTray_) HideToTray();
      MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(list_);
      return 0;
    case WM_ACTIVATEAPP:
      // No lever may type into our own windows.
      if (wParam) {
        Pause();
      } else {
        Resume();
      }
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && HideToTray()) return 0;
      break;
    case TrayCallbackMessage:
      TrayCallback(lParam);
      return 0;
    case WM_CLOSE:
      if (commands_.Close()) DestroyWindow(window_);
      return 0;
    case WM_DESTROY:
      RepaintList.store(nullptr);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

bool TfmMain::PollingRunning() const { return Running.load(); }
void TfmMain::StopPolling() { qv::StopPolling(); }
void TfmMain::StartPolling() { qv::StartPolling(); }

TAnswer TfmMain::AskUnsaved() {
  switch (MessageBoxW(window_, W(Captions.MsgUnsaved), W(Captions.MainCaption),
                      MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return TAnswer::Yes;
    case IDNO:
      return TAnswer::No;
    default:
      return TAnswer::Cancel;
  }
}

bool TfmMain::AskOpenName(std::u16string& name) { return RunFileDialog(window_, name, true); }
bool TfmMain::AskSaveName(std::u16string& name) { return RunFileDialog(window_, name, false); }

bool TfmMain::LoadProfile(const std::u16string& name) {
  if (!services_.LoadProfile) throw Error(u"Profiles cannot be loaded in this build.");
  return services_.LoadProfile(name);
}

void TfmMain::SaveProfile(const std::u16string& name) {
  if (!services_.SaveProfile) throw Error(u"Profiles cannot be saved in this build.");
  services_.SaveProfile(name);
}

void TfmMain::SaveProgramSettings() {
  if (services_.SaveProgramSettings) services_.SaveProgramSettings();
}

void TfmMain::SetCaption(const std::u16string& caption) {
  caption_ = caption;
  SetWindowTextW(window_, W(caption_));
  if (inTray_) tray_->Modify(caption_);
}

void TfmMain::ShowCurrentError() { ui::ShowCurrentError(window_); }

void RunMessageLoop(TfmMain& main) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorW(main.Handle(), main.Accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace qv::ui
