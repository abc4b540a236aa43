// The profile commands against a scripted window: every way a command ends
// leaves polling as it was, and the profile and its caption as the user
// would expect.
#include "ui/MainCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/Utf.h"
#include "engine/Hooks.h"
#include "engine/PollThread.h"
#include "engine/Profile.h"
#include "ui/Captions.h"

namespace qv::ui {
namespace {

struct ScriptedHost : TMainHost {
  bool PollingRunning() const override { return running; }
  void StopPolling() override { running = false; }
  void StartPolling() override { running = true; }
  TAnswer AskUnsaved() override {
    EXPECT_FALSE(running) << "the question is asked with polling stopped";
    ++questions;
    return answer;
  }
  bool AskOpenName(std::u16string& name) override { return Dialog(name, "open"); }
  bool AskSaveName(std::u16string& name) override { return Dialog(name, "save"); }
  bool LoadProfile(const std::u16string& name) override {
    EXPECT_FALSE(running);
    calls.push_back("load");
    if (failLoad) throw Error(u"cannot read");
    ProfileFileName = name;
    ClearModified();
    return true;
  }
  void SaveProfile(const std::u16string& name) override {
    EXPECT_FALSE(running);
    calls.push_back("save");
    if (failSave) throw Error(u"cannot write");
    ProfileFileName = name;
    ClearModified();
  }
  void SaveProgramSettings() override {
    calls.push_back("settings");
    if (failSettings) throw Error(u"read-only");
  }
  void SetCaption(const std::u16string& text) override { caption = text; }
  void RemoveTrayIcon() override { calls.push_back("untray"); }
  void ShowCurrentError() override {
    try {
      throw;
    } catch (const Error& e) {
      calls.push_back("error:" + std::string(e.what()));
    }
  }
  bool Dialog(std::u16string& name, const char* which) {
    EXPECT_FALSE(running);
    calls.push_back(which);
    name = dialogName;
    return !dialogName.empty();
  }

  bool running = true;
  TAnswer answer = TAnswer::Cancel;
  std::u16string dialogName;
  bool failLoad = false, failSave = false, failSettings = false;
  int questions = 0;
  std::vector<std::string> calls;
  std::u16string caption;
};

class MainCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Captions.MainCaption = u"Quorvex";
    Captions.Caption2 = u"Quorvex - %s";
    EngineHooks = TEngineHooks{};
    ClearModified();
    ResetProfile();
    commands.InitialLoad();
  }
  void TearDown() override { EngineHooks = TEngineHooks{}; }
  // An edited profile, as a dialog leaves it.
  void Edit(std::u16string name = u"") {
    ProfileFileName = std::move(name);
    ProfileButtons[0].ParkPos = ppPress;
    MarkModified();
  }
  ScriptedHost host;
  TMainCommands commands{host};
};

using Calls = std::vector<std::string>;

TEST_F(MainCommands, EveryPathLeavesPollingRunning) {
  using Command = void (TMainCommands::*)();
  const Command New = &TMainCommands::New, Load = &TMainCommands::Load, Save = &TMainCommands::Save,
                SaveAs = &TMainCommands::SaveAs;
  const char16_t* const none = u"";  // the dialog cancelled
  const char16_t* const named = u"p.qvprof";
  struct Case {
    const char* name;
    Command command;
    TAnswer answer;
    const char16_t* dialog;
    std::string_view fails;  // "load", "save" or ""
    Calls calls;             // "save" twice: the dialog, then the file
    bool modified;           // afterwards
    bool throws;
  };
  const Case cases[] = {
      {"new, cancel", New, TAnswer::Cancel, none, "", {}, true, false},
      {"new, no", New, TAnswer::No, none, "", {}, false, false},
      {"new, yes, dialog cancelled", New, TAnswer::Yes, none, "", {"save"}, true, false},
      {"new, yes, save fails", New, TAnswer::Yes, named, "save", {"save", "save"}, true, true},
      {"load, cancel", Load, TAnswer::Cancel, named, "", {}, true, false},
      {"load, no, dialog cancelled", Load, TAnswer::No, none, "", {"open"}, true, false},
      {"load, no, load fails", Load, TAnswer::No, named, "load", {"open", "load"}, true, true},
      {"load, no, loaded", Load, TAnswer::No, named, "", {"open", "load"}, false, false},
      {"save unnamed, dialog cancelled", Save, TAnswer::Cancel, none, "", {"save"}, true, false},
      {"save as, fails", SaveAs, TAnswer::Cancel, named, "save", {"save", "save"}, true, true},
      {"save as, saved", SaveAs, TAnswer::Cancel, named, "", {"save", "save"}, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Edit();
    host.running = true;
    host.answer = c.answer;
    host.dialogName = c.dialog;
    host.failLoad = c.fails == "load";
    host.failSave = c.fails == "save";
    host.calls.clear();
    if (c.throws) {
      EXPECT_THROW((commands.*c.command)(), Error);
    } else {
      (commands.*c.command)();
    }
    EXPECT_TRUE(host.running);
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_EQ(ProfileModified(), c.modified);
    EXPECT_EQ(host.caption,
              c.modified ? u"Quorvex [*]" : (ProfileFileName.empty() ? u"Quorvex" : u"Quorvex - p.qvprof"));
  }
}

TEST_F(MainCommands, NewAnsweredNoEmptiesTheProfileWithoutMarkingIt) {
  Edit(u"C:\\profiles\\old.qvprof");
  EXPECT_EQ(host.caption, u"Quorvex - old.qvprof [*]");
  host.answer = TAnswer::No;
  commands.New();
  EXPECT_EQ(ProfileButtons[0].ParkPos, ppNone);
  EXPECT_EQ(ProfileFileName, u"");
  EXPECT_EQ(host.caption, u"Quorvex");
  // Nothing left to ask about.
  commands.New();
  EXPECT_EQ(host.questions, 1);
}

TEST_F(MainCommands, TheInitialLoadNeverComplains) {
  struct Case {
    const char16_t* lastFile;
    bool fails;
    std::u16string caption;
  };
  const Case cases[] = {
      {u"", false, u"Quorvex"},
      {u"gone.qvprof", false, u"Quorvex"},  // the host reports no such file
      {u"broken.qvprof", true, u"Quorvex"},
      {u"D:/x/good.qvprof", false, u"Quorvex - good.qvprof"},
  };
  struct MissingHost : ScriptedHost {
    bool LoadProfile(const std::u16string& name) override {
      return name != u"gone.qvprof" && ScriptedHost::LoadProfile(name);
    }
  };
  for (const Case& c : cases) {
    MissingHost missing;
    missing.failLoad = c.fails;
    missing.running = false;  // start-up: not polling yet
    TMainCommands start(missing);
    Edit(c.lastFile);
    ClearModified();
    start.InitialLoad();
    EXPECT_EQ(missing.caption, c.caption) << ToUtf8(c.lastFile);
    EXPECT_FALSE(ProfileModified());
    EXPECT_EQ(ProfileButtons[0].ParkPos, c.fails ? ppNone : ppPress);
  }
}

TEST_F(MainCommands, ClosingAsksAndSurvivesUnwritableSettings) {
  Edit();
  host.answer = TAnswer::Cancel;
  EXPECT_FALSE(commands.Close());
  EXPECT_EQ(host.calls, Calls{});
  host.answer = TAnswer::No;
  host.failSettings = true;
  EXPECT_TRUE(commands.Close());
  EXPECT_EQ(host.calls, (Calls{"untray", "settings", "error:read-only"}));
}

TEST_F(MainCommands, SetInitialRaisesTheResyncRequestBetweenStopAndStart) {
  ResyncRequest.store(false);
  commands.SetInitial();
  EXPECT_TRUE(ResyncRequest.load());
  EXPECT_TRUE(host.running);
  ResyncRequest.store(true);
}

TEST(MainPlacement, GrowsForTheRowsWithinTheWorkAreaAndStartsAtItsLeftEdge) {
  struct Case {
    TBounds window;
    int rows;
    TBounds expected;
  };
  const TBounds work{0, 0, 1000, 700};
  // Window 400x300 with a 250-pixel list: 50 pixels of frame and menu.
  const Case cases[] = {
      {{0, 0, 400, 300}, 5, {300, 200, 700, 500}},   // fewer rows than designed: never smaller
      {{0, 0, 400, 300}, 20, {300, 125, 700, 574}},  // 50 + 21 * 19 = 449
      {{0, 0, 400, 300}, 99, {300, 2, 700, 698}},    // at most the work area less 4
      {{0, 0, 1200, 300}, 5, {0, 200, 1200, 500}},   // wider than the work area
      {{0, 0, 400, 800}, 5, {300, 0, 700, 800}},     // taller: the title bar stays on it
  };
  for (const Case& c : cases) {
    const TBounds b = InitialPlacement(c.window, 250, c.rows, 19, work);
    const auto corners = [](const TBounds& r) { return std::vector<int>{r.Left, r.Top, r.Right, r.Bottom}; };
    EXPECT_EQ(corners(b), corners(c.expected)) << c.rows;
  }
}

}  // namespace
}  // namespace qv::ui
