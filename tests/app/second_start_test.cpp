// A second start of the program: which starts hand their profile to the
// running copy and end, and which run as a copy of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/EQuiet.h"
#include "app/SecondStart.h"
#include "app/StartShow.h"
#include "engine/Profile.h"
#include "ui/HandOff.h"

namespace qv {
namespace {

constexpr uintptr_t Trap = 0x10, Active = 0x20;

class FakeHandOff : public THandOffPlatform {
 public:
  uintptr_t presence = ui::PresenceReply;
  bool exists = true;
  std::vector<std::string> calls;

  uintptr_t FindWindowByTitle(const std::u16string& title) override {
    return title == u"C:\\Q\\quorvex.exe" + std::u16string(ui::InstanceTitleSuffix) ? Trap : 0;
  }
  uintptr_t Send(uintptr_t window, uint32_t message) override {
    calls.push_back("send " + std::to_string(message));
    if (window != Trap) return 0;
    return message == ui::MsgPresenceQuery ? presence : Active;
  }
  std::u16string FullPath(const std::u16string& name) override { return u"C:\\work\\" + name; }
  bool FileExists(const std::u16string&) override { return exists; }
  void AllowForeground(uintptr_t window) override { calls.push_back("allow " + std::to_string(window)); }
  void SetForeground(uintptr_t window) override { calls.push_back("foreground " + std::to_string(window)); }
  void SendPath(uintptr_t, const std::u16string& path) override {
    calls.push_back("path " + std::string(path.begin(), path.end()));
  }
  bool AskStartSecondCopy() override {
    calls.push_back("ask");
    return false;
  }
};

enum class TOutcome { GoesOn, Ends };

struct TCase {
  const char* what;
  std::vector<std::u16string> arguments;
  void (*setUp)(FakeHandOff&);
  TOutcome outcome;
  bool flag;
  std::u16string fileName;
  std::vector<std::string> calls;
};

TEST(SecondStartTest, HandsOverOnlyAnExistingProfileToAReadyCopy) {
  const std::u16string title = ui::InstanceTitle(u"C:\\Q\\quorvex.exe");
  const std::u16string longName(1020, u'n');  // 1028 units once made absolute
  const TCase cases[] = {
      {"handed over",
       {u"a.qvprof"},
       [](FakeHandOff&) {},
       TOutcome::Ends,
       true,
       u"C:\\work\\a.qvprof",
       {"send 1027", "allow 16", "send 1026", "foreground 32", "path C:\\work\\a.qvprof"}},
      {"not our trap",
       {u"a"},
       [](FakeHandOff& f) { f.presence = 1; },
       TOutcome::GoesOn,
       true,
       u"a",
       {"send 1027"}},
      {"path too long",
       {longName},
       [](FakeHandOff&) {},
       TOutcome::GoesOn,
       true,
       u"C:\\work\\" + longName,
       {"send 1027"}},
  };
  for (const auto& c : cases) {
    FakeHandOff platform;
    c.setUp(platform);
    ProfileFileName.clear();
    bool flag = false;
    TOutcome outcome = TOutcome::GoesOn;
    try {
      flag = HandOff(platform, c.arguments, title);
    } catch (const EQuiet&) {
      outcome = TOutcome::Ends;
      flag = true;
    }
    EXPECT_EQ(outcome, c.outcome) << c.what;
    EXPECT_EQ(flag, c.flag) << c.what;
    EXPECT_EQ(ProfileFileName, c.fileName) << c.what;
    EXPECT_EQ(platform.calls, c.calls) << c.what;
  }
  ProfileFileName.clear();
}

TEST(StartShowTest, MinimisedStartsAndLoadedCommandLineProfilesGoToTheTray) {
  const struct {
    std::optional<int> state;
    bool flag;
    const char16_t* file;
    TStartShow show;
  } cases[] = {
      {std::nullopt, false, u"", TStartShow::Normal},
      {1, false, u"last", TStartShow::Normal},
      {2, false, u"", TStartShow::Tray},
      {6, false, u"", TStartShow::Tray},
      {7, false, u"", TStartShow::Tray},
      {3, false, u"", TStartShow::Maximised},
      {3, true, u"a", TStartShow::Tray},
      {std::nullopt, true, u"a", TStartShow::Tray},
      {std::nullopt, true, u"", TStartShow::Normal},
      {std::nullopt, false, u"last", TStartShow::Normal},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StartShowFor(c.state, c.flag, c.file), c.show) << c.state.value_or(-1) << " " << c.flag;
}

}  // namespace
}  // namespace qv
