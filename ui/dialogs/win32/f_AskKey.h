#pragma once
// fmAskKey: waits for one key or chord and takes it (the rule is
// TChordCapture's), with the modifiers the nine toggles add. Every key a dialog would act on (Esc, Enter,
// Space, Tab, the arrows, Alt with a letter) is a common simulator key, so key-downs are taken as the thread
// reads them, before any dialog sees them.
#include <windows.h>

#include "engine/KeyAction.h"
#include "ui/dialogs/ChordCapture.h"
#include "ui/dialogs/KeyCapture.h"
#include "ui/dialogs/win32/ModalDialog.h"

namespace qv::ui::dialogs::win32 {

class TfmAskKey final : public TModalDialog {
 public:
  TfmAskKey();
  ~TfmAskKey() override;
  // True when a key was pressed; then action holds it (its Repeat as it was).
  // Closed any other way, action is unchanged.
  bool Execute(HWND owner, TKeyAction& action);

 private:
  void OnInit() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
  // Closes the window once the capture has taken its key.
  void TakeIfDone();
  static LRESULT CALLBACK MessageHook(int code, WPARAM wParam, LPARAM lParam);
  bool Filter(MSG& message);

  HHOOK hook_ = nullptr;
  bool waiting_ = false;
  bool closing_ = false;
  // Kept between showings: a key taken at the last one may still be down.
  TChordCapture capture_;
  TToggles toggles_ = 0;
};

}  // namespace qv::ui::dialogs::win32
