#pragma once
// The main window's actions and menus as data: the window builds its menu
// bar, its tray menu and its accelerators from these tables, and hands the
// same names to the translator walk, so every caption comes from the
// language file and a forgotten text shows up in a test.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "lang/Component.h"

namespace qv::ui {

enum class TActionId : uint16_t {
  New = 100,
  Load,
  Save,
  SaveAs,
  Compatibility,
  SetInitial,
  JoySettings,
  ProgSettings,
  PopRestore,
  LoadNoHk,
  PopExit,
  About,  // the version item: a command of the menu bar, not an action
};

struct TActionInfo {
  TActionId Id;
  std::string_view Name;
  uint16_t Key;  // virtual key of the shortcut, 0 for none
  bool Ctrl;
  std::u16string_view ShortcutText;
};

struct TMenuInfo {
  std::string_view Name;
  std::span<const TActionInfo* const> Items;  // null: a separator
};

std::span<const TActionInfo> MainActions();
const TActionInfo& ActionInfo(TActionId id);
// itProfile, itActions, itSetup; the version item follows them on its own.
std::span<const TMenuInfo> MainMenus();
// The tray menu; its first item is the default one.
std::span<const TActionInfo* const> PopupMenu();

constexpr std::string_view VersionItemName = "itVersion";
// "         v." and the version: the item stands apart at the menu bar's end.
std::u16string VersionCaption(const std::u16string& version);

// fmMain as the translator walk sees it: the window, its menus with their
// items, and the actions, each captioned with its own name until translated.
void DescribeMainWindow(lang::TComponent& form, const std::u16string& version);

}  // namespace qv::ui
