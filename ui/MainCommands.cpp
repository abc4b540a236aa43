#include "ui/MainCommands.h"

#include <algorithm>
#include <type_traits>

#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "lang/SafeFormat.h"
#include "ui/Captions.h"

namespace qv::ui {

template <class Body>
auto TMainCommands::WithPollingStopped(Body body) -> decltype(body()) {
  const bool ran = host_.PollingRunning();
  if (ran) host_.StopPolling();
  try {
    if constexpr (std::is_void_v<decltype(body())>) {
      body();
      if (ran) host_.StartPolling();
    } else {
      auto result = body();
      if (ran) host_.StartPolling();
      return result;
    }
  } catch (...) {
    if (ran) host_.StartPolling();
    throw;
  }
}

bool TMainCommands::AskToSave() {
  if (!ProfileModified()) return true;
  const TAnswer answer = WithPollingStopped([&] { return host_.AskUnsaved(); });
  if (answer == TAnswer::Yes) return SaveProfileAs(ProfileFileName);
  return answer == TAnswer::No;
}

bool TMainCommands::SaveProfileAs(const std::u16string& name) {
  return WithPollingStopped([&] {
    std::u16string target = name;
    if (target.empty() && !host_.AskSaveName(target)) return false;
    host_.SaveProfile(target);
    UpdateCaption();
    return true;
  });
}

void TMainCommands::New() {
  WithPollingStopped([&] {
    if (!AskToSave()) return;
    // An empty profile has nothing to save: asking about it later would
    // only puzzle the user.
    ClearModified();
    ResetProfile();
  });
}

void TMainCommands::Load() {
  if (!AskToSave()) return;
  WithPollingStopped([&] {
    std::u16string name;
    if (host_.AskOpenName(name) && host_.LoadProfile(name)) UpdateCaption();
  });
}

void TMainCommands::Save() { SaveProfileAs(ProfileFileName); }

void TMainCommands::SaveAs() { SaveProfileAs(u""); }

void TMainCommands::SetInitial() {
  WithPollingStopped([] { ResyncRequest.store(true); });
}

void TMainCommands::UpdateCaption() { host_.SetCaption(MainCaption(ProfileFileName, ProfileModified())); }

void TMainCommands::InitialLoad() {
  EngineHooks.ProfileChanged = [this] { UpdateCaption(); };
  const std::u16string name = std::move(ProfileFileName);
  ProfileFileName.clear();
  try {
    if (!name.empty()) host_.LoadProfile(name);
  } catch (...) {
    ClearModified();
    ResetProfile();
  }
  UpdateCaption();
}

bool TMainCommands::Close() {
  if (!AskToSave()) return false;
  host_.RemoveTrayIcon();
  try {
    host_.SaveProgramSettings();
  } catch (...) {
    host_.ShowCurrentError();
  }
  return true;
}

std::u16string MainCaption(const std::u16string& fileName, bool modified) {
  std::u16string caption = Captions.MainCaption;
  if (!fileName.empty()) {
    const size_t slash = fileName.find_last_of(u"\\/:");
    caption =
        lang::SafeFormat(Captions.Caption2, {fileName.substr(slash == std::u16string::npos ? 0 : slash + 1)});
  }
  if (modified) caption += u" [*]";
  return caption;
}

TBounds InitialPlacement(TBounds window, int listClientHeight, int visibleRows, int rowHeight,
                         TBounds workArea) {
  const int wanted =
      std::min(window.Height() - listClientHeight + (visibleRows + 1) * rowHeight, workArea.Height() - 4);
  const int height = std::max(window.Height(), wanted);
  TBounds placed;
  placed.Left = workArea.Left + std::max(0, (workArea.Width() - window.Width()) / 2);
  // Centred as it stands: a window kept at its designed height sits in the
  // middle too, and one taller than the work area keeps its title bar on it.
  placed.Top = workArea.Top + std::max(0, (workArea.Height() - height) / 2);
  placed.Right = placed.Left + window.Width();
  placed.Bottom = placed.Top + height;
  return placed;
}

}  // namespace qv::ui
