#pragma once
// The real main window under Wine, brought up by the program's own start-up
// steps over a stand-in train controller, with helpers to pump messages,
// answer the modal boxes and dialogs it opens, and take screenshots.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/win32/WinSeams.h"
#include "sim/RecordingKeyboard.h"
#include "sim/StandInDevice.h"
#include "ui/ControlTree.h"
#include "ui/win32/MainWindow.h"

namespace qv::test {

struct TStandInView : ui::TDeviceView {
  std::u16string Name() const override { return u"Quorvex Virtual Train Controller"; }
  bool ReadOk() const override { return true; }
  bool BindingMissing() const override { return false; }
};

class MainWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override { Open(u"default.lng"); }
  void TearDown() override { Close(); }

  void Open(std::u16string_view language, int showCommand = SW_SHOWNORMAL);
  void Close();
  // Runs the message loop as the program does, for ms milliseconds or until done says so.
  void Pump(int ms, const std::function<bool()>& done = {});
  // Answers every message box or file dialog that opens with the button id
  // (IDCANCEL, IDNO, ...); remembers their window classes.
  void AnswerDialogs(int button);
  std::string RowText(int32_t row);
  int32_t RowOf(const std::function<bool(const TTreeItem*)>& match);
  std::u16string Caption();
  // The window with its frame, as a PNG under the build folder's screenshots.
  std::string Screenshot(const std::string& name);

  static std::vector<std::string> answered;
  static int answer;
  static sim::TStandInDevice device;
  std::unique_ptr<ui::TfmMain> main;

 private:
  static void CALLBACK AnswerTimer(HWND, UINT, UINT_PTR, DWORD);
  TStandInView view_;
  UINT_PTR timer_ = 0;
};

}  // namespace qv::test
