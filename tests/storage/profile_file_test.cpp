// Profiles read as the program reads them and written back as it writes them.
#include <thread>

#include "FilesFixture.h"
#include "engine/PollThread.h"
#include "engine/SysCmdInfo.h"
#include "formats/SafeSave.h"
#include "sim/Clocks.h"
#include "sim/RecordingKeyboard.h"
#include "sim/UsLayout.h"
#include "storage/FilePaths.h"
#include "storage/ProfileFile.h"

namespace qv::test {
namespace {

// The saved document with every line's indent dropped and "|" after each
// line, so that expectations read as the file's lines in order.
std::string Flat(const std::string& saved) {
  std::string flat;
  bool lineStart = true;
  for (char c : saved.substr(3)) {
    if (c == '\r') continue;
    if (c == '\n') {
      flat += '|';
      lineStart = true;
    } else if (!(lineStart && (c == ' ' || c == '\t'))) {
      flat += c;
      lineStart = false;
    }
  }
  return flat;
}

class ProfileFileTest : public FilesTest {
 protected:
  void SetUp() override {
    FilesTest::SetUp();
    Lever(0, 4);
    Lever(1, 4);
  }
  // The body written as one line (see Lines), loaded, and saved back flat.
  std::string LoadAndSave(std::string_view body) {
    const std::string text = "{ MULTILEVEL|" + std::string(body) + "|}";
    EXPECT_TRUE(LoadProfile(Write(u"p.qvprof", Document(Lines(text)))));
    RebuildTrackers();
    TMultilevel document;
    BuildProfileDocument(document);
    return Flat(Saved(document));
  }
};

TEST_F(ProfileFileTest, EntriesAreReadAsTheProgramReadsThemAndWrittenBackAsItWritesThem) {
  struct Case {
    const char* body;
    std::vector<std::string> present;
    std::vector<std::string> absent;
  };
  const Case cases[] = {
      // Controls the joystick lacks are skipped; any sub-section name is an entry.
      {"{ AXES|{ AXIS|Index=7|PosLimit=3|}|{ LEVER|Index=1|ResyncLast=2|}|}",
       {"{ AXIS|Index=1|ResyncLast=2|}"},
       {"Index=7", "PosLimit"}},
      // Positions outside 1..32 are skipped; InitialPos beyond the positions in use is not written.
      {"{ AXES|{ AXIS|Index=0|InitialPos=5|{ POSITIONS|{ A|Index=0|{ PRESS|Vkey=65|}|}|{ B|Index=33|{ PRESS|"
       "Vkey=66|}|}|{ C|Index=3|UserIndex=5|}|}|}|{ AXIS|Index=1|InitialPos=4|}|}",
       {"{ AXIS|Index=0|{ POSITIONS|{ POSITION|Index=3|UserIndex=5|}|}|}", "{ AXIS|Index=1|InitialPos=4|}"},
       {"Vkey", "InitialPos=5"}},
      // A lever's own tap timing after its resync taps, a gate after the notch's UserIndex (a gate
      // alone is written): only above 0, kept as read however large; what is no number reads as 0.
      {"{ AXES|{ AXIS|Index=0|StepGap=40|StepHold=99999|ResyncLast=1|{ POSITIONS|{ A|Index=2|GateHold=300|}|"
       "{ B|Index=3|GateHold=-5|UserIndex=4|}|{ C|Index=4|GateHold=x|}|}|}|{ AXIS|Index=1|StepGap=-3|}|}",
       {"{ AXIS|Index=0|ResyncLast=1|StepHold=99999|StepGap=40|{ POSITIONS|{ POSITION|Index=2|GateHold=300|}|"
        "{ POSITION|Index=3|UserIndex=4|}|}|}",
        "{ AXIS|Index=1|}"},
       {"GateHold=-5", "POSITION|Index=4", "StepGap=-3"}},
      // An axis that is not read as a lever or analog axis is not written at all.
      {"{ AXES|{ AXIS|Index=2|PosLimit=3|}|}", {}, {"Index=2", "PosLimit"}},
      // A command wins over the key read beside it; a key row's name is no command.
      {"{ BUTTONS|{ BUTTON|Index=2|{ PRESS|SysCmd=SoundToggle|ScanCode=30|}|{ RELEASE|SysCmd=VK_F17|"
       "Vkey=128|}|}|}",
       {"{ PRESS|SysCmd=SoundToggle|}|{ RELEASE|Vkey=128|}"},
       {"ScanCode", "VK_F17"}},
      // An empty value sets a modifier, "0" does not; HOLD has no Repeat; Repeat comes last.
      {"{ BUTTONS|{ BUTTON|Index=0|{ PRESS|Vkey=65|Shift=|Repeat=1|}|{ "
       "HOLD|Vkey=66|Shift=0|Ctrl=1|Repeat=5|}|"
       "{ RELEASE|Repeat=3|ScanCode=46|Extended=1|RAlt=x|}|}|}",
       {"{ PRESS|Vkey=65|Shift=1|}|{ HOLD|Vkey=66|Ctrl=1|}|{ "
        "RELEASE|ScanCode=46|Extended=1|RAlt=1|Repeat=3|}"},
       {"Repeat=1", "Repeat=5"}},
      // Modifiers without a key are not read: the action stays empty.
      {"{ BUTTONS|{ BUTTON|Index=1|{ PRESS|Shift=1|}|}|}", {}, {"BUTTONS"}},
      // Park states by name or number within the table; a button with only a park state is not written.
      {"{ BUTTONS|{ BUTTON|Index=3|ParkPos=Press|}|{ BUTTON|Index=4|ParkPos=release|{ PRESS|Vkey=1|}|}|"
       "{ BUTTON|Index=5|ParkPos=7|{ PRESS|Vkey=2|}|}|{ BUTTON|Index=6|ParkPos=-1|{ PRESS|Vkey=3|}|}|}",
       {"Index=4|ParkPos=Release|", "Index=5|{ PRESS", "Index=6|{ PRESS"},
       {"Index=3", "ParkPos=Press"}},
      // Directions by name in any case or by number 1..8; anything else is left out.
      {"{ HATS|{ HAT|Index=0|{ POSITIONS|{|Direction=ne|{ PRESS|Vkey=1|}|}|{|Direction=-1|{ PRESS|Vkey=2|}|}|"
       "{|Direction=9|{ PRESS|Vkey=3|}|}|{|Direction=OFF|{ PRESS|Vkey=4|}|}|{|{ PRESS|Vkey=5|}|}|"
       "{|Direction=8|{ PRESS|Vkey=6|}|}|}|}|{ HAT|Index=1|{ POSITIONS|{|Direction=N|{ "
       "PRESS|Vkey=7|}|}|}|}|}",
       {"{ HAT|Index=0|{ POSITIONS|{ POSITION|Direction=NE|{ PRESS|Vkey=1|}|}|{ POSITION|Direction=NW|"
        "{ PRESS|Vkey=6|}|}|}|}"},
       {"Vkey=2", "Vkey=3", "Vkey=4", "Vkey=5", "Vkey=7"}},
      // Pauses only when set; a later entry for the same control overwrites what it reads.
      {"{ COMPATIBILITY|ShiftPause=20|TapPause=0|}|{ BUTTONS|{ BUTTON|Index=7|{ PRESS|Vkey=1|}|}|"
       "{ BUTTON|Index=7|{ PRESS|Vkey=2|}|}|}",
       {"{ COMPATIBILITY|ShiftPause=20|}", "{ BUTTON|Index=7|{ PRESS|Vkey=2|}|}"},
       {"TapPause", "Vkey=1"}},
  };
  for (const Case& c : cases) {
    const std::string saved = LoadAndSave(c.body);
    for (const std::string& text : c.present)
      EXPECT_NE(saved.find(text), std::string::npos) << text << "\n" << saved;
    for (const std::string& text : c.absent)
      EXPECT_EQ(saved.find(text), std::string::npos) << text << "\n" << saved;
  }
}

TEST_F(ProfileFileTest, ACommandAndAKeyInOneActionAreBothLoaded) {
  LoadAndSave("{ BUTTONS|{ BUTTON|Index=2|{ HOLD|SysCmd=SoundToggle|ScanCode=30|Repeat=5|}|}|}");
  const TKeyAction& hold = ProfileButtons[2].Events.Hold;
  EXPECT_EQ(hold.SysCmd, FindSysCmd(u"SoundToggle"));
  EXPECT_EQ(hold.ScanCode, 30);
  EXPECT_EQ(hold.Repeat, 1);
}

TEST_F(ProfileFileTest, GoldenExampleSavesBackByteForByte) {
  JoySettings.Axes[0].Type = atUnused;
  const std::string golden = GoldenFile("example.qvprof");
  std::u16string from = Write(u"example.qvprof", golden);
  for (const std::u16string& to : {folder.File(u"once.qvprof"), folder.File(u"twice.qvprof")}) {
    ASSERT_TRUE(LoadProfile(from));
    SaveProfile(to);
    EXPECT_EQ(ReadBytes(to), golden);
    EXPECT_EQ(ProfileFileName, FullPath(to));
    from = to;
  }
}

TEST_F(ProfileFileTest, LoadingNamesTheProfileOnlyWhenAFileWasRead) {
  ProfileFileName = u"previous";
  MarkModified();
  profileChanged = 0;
  EXPECT_FALSE(LoadProfile(folder.File(u"missing.qvprof")));
  std::filesystem::create_directory(folder.path() / "folder.qvprof");
  EXPECT_FALSE(LoadProfile(folder.File(u"folder.qvprof")));
  EXPECT_EQ(ProfileFileName, u"previous");
  EXPECT_TRUE(ProfileModified());
  EXPECT_EQ(profileChanged, 0);

  const std::u16string empty = Write(u"empty.qvprof", Document({"{ MULTILEVEL", "}"}));
  std::filesystem::create_directory(folder.path() / "sub");
  const auto current = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const bool loaded = LoadProfile(u"./sub/../empty.qvprof");
  std::filesystem::current_path(current);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(ProfileFileName, empty);
  EXPECT_FALSE(ProfileModified());
  EXPECT_GT(profileChanged, 0);
}

// The user's open command names the file above the reader's own message.
TEST_F(ProfileFileTest, AFailedLoadReportsTheLineAndNeverKeepsTheOldNameOverAHalfLoadedProfile) {
  struct Case {
    const char* lines;
    std::string message;
    bool reset;  // the profile was reset before the fault
  };
  const Case cases[] = {
      {" { MULTILEVEL|}", "Multilevel loader error in line 1:\rInvalid format", false},
      // A file that ends before its sections are closed: the reader names
      // the line after the empty one an editor shows below the last break.
      {"{ MULTILEVEL|{ AXES|}", "Multilevel loader error in line 5:\rInvalid format", false},
      {"{ MULTILEVEL|{ BUTTONS|no equals sign|}|}", "Multilevel loader error in line 3:\rInvalid format",
       false},
      {"{ MULTILEVEL|{ AXES|{ AXIS|Index=0|{ POSITIONS||{ POSITION|UserIndex=2|}|}|}|}|}",
       "Multilevel application error in line 7:\rVariable Index doesn't exist.", true},
      {"{ MULTILEVEL|{ BUTTONS|{ BUTTON|Index=1 |}|}|}",
       "Multilevel application error in line 4:\rVariable Index=1  conversion error.", true},
  };
  for (const Case& c : cases) {
    ResetProfile();
    ProfileButtons[0].Events.Press.Vkey = 65;
    ProfileFileName = u"previous";
    ResyncRequest = false;
    profileChanged = 0;
    const std::u16string file = Write(u"bad.qvprof", Document(Lines(c.lines)));
    try {
      LoadProfile(file);
      ADD_FAILURE() << c.message;
    } catch (const EMultilevel& error) {
      EXPECT_EQ(error.what(), c.message);
    }
    try {
      OpenProfile(file);
      ADD_FAILURE() << c.message;
    } catch (const Error& error) {
      EXPECT_EQ(error.message(), file + u"\r\n" + FromUtf8(c.message));
    }
    EXPECT_EQ(ProfileFileName, c.reset ? u"" : u"previous") << c.message;
    EXPECT_EQ(ProfileButtons[0].Events.Press.Vkey, c.reset ? 0 : 65) << c.message;
    EXPECT_GT(profileChanged, 0);
    EXPECT_TRUE(ResyncRequest.load());
  }
}

TEST_F(ProfileFileTest, AFailedSaveKeepsTheOldFileTheNameAndTheModifiedFlag) {
  class FailingWrite final : public FileSystemApi {
   public:
    void WriteNewFile(const std::u16string& path, std::string_view) override {
      PlatformFileSystem().WriteNewFile(path, "{ MULTI");
      throw EStreamError(u"Stream write error");
    }
    TReplace Replace(const std::u16string&, const std::u16string&) override { return TReplace::Done; }
    void Remove(const std::u16string& path) override { PlatformFileSystem().Remove(path); }
  } failing;
  const std::u16string file = Write(u"kept.qvprof", GoldenFile("example.qvprof"));
  ProfileButtons[0].Events.Press.Vkey = 65;
  ProfileFileName = u"previous";
  MarkModified();
  InstallFileSystem(&failing);
  EXPECT_THROW(SaveProfile(file), EStreamError);
  InstallFileSystem(nullptr);
  EXPECT_EQ(ReadBytes(file), GoldenFile("example.qvprof"));
  EXPECT_EQ(Listing(folder.path()), "kept.qvprof;");
  EXPECT_EQ(ProfileFileName, u"previous");
  EXPECT_TRUE(ProfileModified());
}

TEST_F(ProfileFileTest, PollingRunsAgainAfterAFailedLoadAndAfterASave) {
  sim::RecordingKeyboard keyboard;
  sim::UsLayout layout;
  sim::SteadyClock clock;
  InstallSeams(&keyboard, &layout, &clock);
  StartPolling();
  const std::u16string bad = Write(u"bad.qvprof", Document(Lines("{ MULTILEVEL|{ AXES|{ AXIS|}|}|}")));
  EXPECT_THROW(LoadProfile(bad), EMultilevelReqNoVariable);
  EXPECT_TRUE(Running.load());
  SaveProfile(folder.File(u"saved.qvprof"));
  EXPECT_TRUE(Running.load());
  StopPolling();
  InstallSeams(nullptr, nullptr, nullptr);
}

}  // namespace
}  // namespace qv::test
