#pragma once
// fmMain: the menu bar over the control list, the profile commands, the
// caption that names the profile, and the tray icon the program hides in.
// The decisions live in TMainCommands and the control tree; this class
// binds them to the window, the list box and the shell.
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "lang/Component.h"
#include "ui/ControlTree.h"
#include "ui/MainActions.h"
#include "ui/MainCommands.h"
#include "ui/TreeList.h"
#include "ui/win32/ListBoxView.h"
#include "ui/win32/RowPainter.h"
#include "ui/win32/TrayIcon.h"

namespace qv::ui {

// What the window needs of the layers the program's start-up wires in.
struct TMainWindowServices {
  std::function<bool(const std::u16string&)> LoadProfile;  // false: no such file
  std::function<void(const std::u16string&)> SaveProfile;
  std::function<void()> SaveProgramSettings;
  // The dialogs of rows and actions; empty: they open nothing yet.
  std::function<void(TRowAction)> OpenRowDialog;
  std::function<void(TActionId)> OpenActionDialog;
};

class TfmMain final : public TMainHost {
 public:
  TfmMain(const std::u16string& version, const TDeviceView& device, TMainWindowServices services);
  ~TfmMain() override;
  TfmMain(const TfmMain&) = delete;
  TfmMain& operator=(const TfmMain&) = delete;

  HWND Handle() const { return window_; }
  HWND List() const { return list_; }
  HACCEL Accelerators() const { return accelerators_; }
  // The window as the translator walk sees it; ApplyTexts puts the
  // translated captions on the menus afterwards.
  lang::TComponent& Components() { return components_; }
  void ApplyTexts();

  TTreeList& Tree() { return tree_; }
  TMainCommands& Commands() { return commands_; }
  const TRowPainter& Painter() const { return painter_; }

  // Start-up: the first profile and the window's place on the screen.
  void InitialLoadAndPlacement();
  // Start-up: into the tray or onto the screen. A tray that refuses the
  // icon shows the window instead, or the program would run unreachable.
  void ShowAtStart(bool toTray, int showCommand);
  bool HideToTray();
  void RemoveTrayIcon(bool restore);
  bool InTray() const { return inTray_; }
  // For a later start handing over a profile: false while not polling.
  bool BringUp();

  void Execute(TActionId action);
  void RowDoubleClick();

  // TMainHost
  bool PollingRunning() const override;
  void StopPolling() override;
  void StartPolling() override;
  TAnswer AskUnsaved() override;
  bool AskOpenName(std::u16string& name) override;
  bool AskSaveName(std::u16string& name) override;
  bool LoadProfile(const std::u16string& name) override;
  void SaveProfile(const std::u16string& name) override;
  void SaveProgramSettings() override;
  void SetCaption(const std::u16string& caption) override;
  void RemoveTrayIcon() override { RemoveTrayIcon(false); }
  void ShowCurrentError() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateList();
  // The icon under the mouse in the list, if any.
  std::optional<TIcon> HoverIcon();
  void BuildMenus();
  void TrayCallback(LPARAM mouse);
  // While one of our windows runs modally over this one (which it disables),
  // the tray's commands only bring that window forward: a profile loaded or
  // the program closed under it would leave its OK writing into the wrong
  // profile. True when there was such a window.
  bool BringOpenWindowForward();
  std::u16string Text(std::string_view component) const;

  TMainWindowServices services_;
  const TDeviceView& device_;
  lang::TComponent components_;
  TTreeList tree_;
  TRowPainter painter_;
  TMainCommands commands_{*this};
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  HFONT font_ = nullptr;
  // The list's hover texts: one tool, the whole list, its text asked for
  // when shown (what the icon under the mouse means); hovered_ is the icon
  // the mouse was last over, -1 for none.
  HWND tips_ = nullptr;
  std::u16string hoverText_;
  int hovered_ = -1;
  HMENU popup_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HICON smallIcon_ = nullptr;
  std::unique_ptr<TListBoxView> view_;
  std::unique_ptr<TTrayIcon> tray_;
  bool inTray_ = false;
  UINT taskbarCreated_ = 0;
  std::u16string caption_;
};

// The list the poll thread invalidates; null while no main window exists.
extern std::atomic<HWND> RepaintList;

// Until the main window is gone; accelerators are translated on the way.
void RunMessageLoop(TfmMain& main);

}  // namespace qv::ui
