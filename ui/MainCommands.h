#pragma once
// What the main window's profile commands decide, apart from the window:
// when to ask about unsaved changes, which file dialog to run, and that
// polling runs again after every way a command can end (answered, cancelled
// or failed). A stuck stop would leave a program that reads nothing.
#include <string>

#include "base/Error.h"

namespace qv::ui {

enum class TAnswer { Yes, No, Cancel };

// The window and the layers below it, as the commands use them.
class TMainHost {
 public:
  virtual ~TMainHost() = default;
  virtual bool PollingRunning() const = 0;
  virtual void StopPolling() = 0;
  virtual void StartPolling() = 0;
  virtual TAnswer AskUnsaved() = 0;
  // The file dialogs; false when cancelled.
  virtual bool AskOpenName(std::u16string& name) = 0;
  virtual bool AskSaveName(std::u16string& name) = 0;
  // The profile files: false when no file of that name exists; failures raise.
  virtual bool LoadProfile(const std::u16string& name) = 0;
  virtual void SaveProfile(const std::u16string& name) = 0;
  virtual void SaveProgramSettings() = 0;
  virtual void SetCaption(const std::u16string& caption) = 0;
  virtual void RemoveTrayIcon() = 0;
  // Reports the exception being handled; called only inside a catch block.
  virtual void ShowCurrentError() = 0;
};

class TMainCommands {
 public:
  explicit TMainCommands(TMainHost& host) : host_(host) {}

  // True when the caller may go on: nothing unsaved, saved, or dropped.
  bool AskToSave();
  // An empty name asks for one; false when that was cancelled.
  bool SaveProfileAs(const std::u16string& name);
  void New();
  void Load();
  void Save();
  void SaveAs();
  void SetInitial();
  // Shows the profile's name and state in the window caption.
  void UpdateCaption();
  // Takes over the caption notice and loads the named (or last) profile; a
  // missing or broken file leaves an empty, unnamed profile and no message.
  void InitialLoad();
  // False when the window is to stay open. Settings that cannot be written
  // are reported, and the window closes anyway: a program in a read-only
  // folder could never be closed otherwise.
  bool Close();

 private:
  // Runs body with polling stopped, then starts it again if it ran before,
  // however body ends.
  template <class Body>
  auto WithPollingStopped(Body body) -> decltype(body());

  TMainHost& host_;
};

// The caption for a profile file (empty: unnamed) and its modified flag.
std::u16string MainCaption(const std::u16string& fileName, bool modified);

struct TBounds {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
};
// Where the main window starts: tall enough for every visible row (within
// the work area), never lower than designed, centred, and never left of the
// work area's left or top edge.
TBounds InitialPlacement(TBounds window, int listClientHeight, int visibleRows, int rowHeight,
                         TBounds workArea);

}  // namespace qv::ui
