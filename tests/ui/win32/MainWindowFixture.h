#pragma once
// The real main window under Wine, brought up by the program's own start-up
// steps over a stand-in train controller, with helpers to pump messages,
// answer the modal boxes and dialogs it opens, and take screenshots. The
// settings windows come up with it, as in the program.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/win32/Joystick.h"
#include "engine/win32/WinSeams.h"
#include "input/i_Joystick.h"
#include "sim/RecordingKeyboard.h"
#include "sim/VirtualJoystick.h"
#include "ui/ControlTree.h"
#include "ui/dialogs/win32/Dialogs.h"
#include "ui/win32/MainWindow.h"

namespace qv::test {

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override { Open(u"default.lng"); }
  void TearDown() override { Close(); }

  // Brings the window up as the program starts, loading lastFile as the
  // program settings' last profile when one is named.
  void Open(std::u16string_view language, int showCommand = SW_SHOWNORMAL, std::u16string lastFile = {});
  void Close();
  // Runs the message loop as the program does, for ms milliseconds or until done says so.
  void Pump(int ms, const std::function<bool()>& done = {});
  // Answers every message box or file dialog that opens with the button id
  // (IDCANCEL, IDNO, ...), a file dialog with fileName typed in first when
  // one is given; remembers their titles.
  void AnswerDialogs(int button, std::u16string fileName = {});
  std::string RowText(int32_t row);
  int32_t RowOf(const std::function<bool(const TTreeItem*)>& match);
  std::u16string Caption();
  // Selects the list row of a control or a part of one (a lever position, a
  // hat direction), opening folders on the way, and opens its window as a
  // double-click does.
  void OpenRow(ui::TRowCommand command, int control, int detail = -1);
  // The window with its frame, as a PNG under the build folder's screenshots.
  std::string Screenshot(const std::string& name);
  // The example profile for the train controller, shipped beside the program.
  static std::u16string ExampleProfile();

  static std::vector<std::string> answered;
  static int answer;
  static std::u16string answerName;
  // Moves a control of the example train controller.
  static void Set(sim::TControlKind kind, int instance, int32_t value) { api->Set(kind, instance, value); }
  static std::unique_ptr<sim::TVirtualJoystick> api;
  static input::TJoystick joystick;
  std::unique_ptr<ui::TfmMain> main;
  // The settings windows, made after the main window as the program makes them.
  std::unique_ptr<ui::dialogs::win32::TDialogs> dialogs;

 private:
  static ui::TMainWindowServices Services();
  static void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD);
  app::TJoystickView view_{joystick};
  UINT_PTR timer_ = 0;
};

}  // namespace qv::test
