// The stand-in simulator's lever: its option, how far a press moves it, and
// the log line of a move beside the key lines.
#include <gtest/gtest.h>

#include <vector>

#include "base/Error.h"
#include "base/Utf.h"
#include "engine/KeyAction.h"
#include "sim/KeyLog.h"
#include "sim/StandInLever.h"

namespace qv::sim {
namespace {

// Key messages as the stand-in receives them: modifiers are tracked from
// their own messages, the lever sees the modifiers down before each one.
class TLeverDriver {
 public:
  explicit TLeverDriver(const char16_t* option) : lever_(ParseLeverOption(option)) {}

  void Send(uint32_t time, bool down, uint16_t scan, bool extended, std::u16string name) {
    const TKeyMessage key{time, down, scan, extended, std::move(name)};
    if (auto move = lever_.OnKey(key, modifiers_.Down())) moves_.push_back(*move);
    modifiers_.Update(key);
  }
  // A press of a plain key (no scan code of a modifier) held holdMs.
  void Press(std::u16string name, uint32_t holdMs) {
    Send(now_, true, 0x23, false, name);
    Send(now_ + holdMs, false, 0x23, false, name);
    now_ += holdMs + 1000;
  }
  void Shift(bool down) { Send(now_++, down, 0x2A, false, u"Shift"); }
  void Ctrl(bool down) { Send(now_++, down, 0x1D, false, u"Ctrl"); }

  int32_t Notch() const { return lever_.Notch(); }
  const std::vector<TLeverMove>& Moves() const { return moves_; }
  uint32_t now_ = 1000;

 private:
  TStandInLever lever_;
  TModifierState modifiers_;
  std::vector<TLeverMove> moves_;
};

struct TravelCase {
  const char16_t* Option;
  const char16_t* Key;
  uint32_t HoldMs;
  int32_t Expected;
};

// Six notches (0..5), 100 ms a notch; a gate of 150 ms between 2 and 3.
const TravelCase travelCases[] = {
    {u"L:A:Z:6:100:2", u"A", 0, 2},
    {u"L:A:Z:6:100:2", u"A", 99, 2},
    {u"L:A:Z:6:100:2", u"A", 100, 3},
    {u"L:A:Z:6:100:2", u"A", 199, 3},
    {u"L:A:Z:6:100:2", u"A", 200, 4},
    {u"L:A:Z:6:100:2", u"A", 299, 4},
    {u"L:A:Z:6:100:2", u"A", 300, 5},
    {u"L:A:Z:6:100:2", u"A", 5000, 5},  // the top end
    {u"L:A:Z:6:100:2", u"Z", 99, 2},
    {u"L:A:Z:6:100:2", u"Z", 100, 1},
    {u"L:A:Z:6:100:2", u"Z", 250, 0},
    {u"L:A:Z:6:100:2", u"Z", 5000, 0},  // the bottom end
    {u"L:A:Z:6:100", u"Z", 5000, 0},    // starts at 0: nowhere to go
    {u"L:A:Z:6:100:5", u"A", 100, 5},
    {u"L:a:z:6:100:2", u"A", 100, 3},  // key names in any case
    {u"L:A:Z:6:100:2:GATE=150@2", u"A", 100, 2},
    {u"L:A:Z:6:100:2:GATE=150@2", u"A", 249, 2},
    {u"L:A:Z:6:100:2:GATE=150@2", u"A", 250, 3},
    {u"L:A:Z:6:100:2:GATE=150@2", u"A", 349, 3},
    {u"L:A:Z:6:100:2:GATE=150@2", u"A", 350, 4},
    {u"L:A:Z:6:100:3:GATE=150@2", u"Z", 249, 3},
    {u"L:A:Z:6:100:3:GATE=150@2", u"Z", 250, 2},
    {u"L:A:Z:6:100:3:GATE=150@2", u"Z", 350, 1},
    {u"L:A:Z:6:100:1:GATE=150@2", u"A", 100, 2},  // stops before the gate
    {u"L:A:Z:6:100:1:GATE=150@2", u"A", 349, 2},
    {u"L:A:Z:6:100:1:GATE=150@2", u"A", 350, 3},
    {u"L:A:Z:6:100:4:GATE=150@2", u"Z", 349, 3},
    {u"L:A:Z:6:100:4:GATE=150@2", u"Z", 350, 2},
    {u"L:A:Z:6:100:0:GATE=50@0:GATE=70@1", u"A", 269, 1},
    {u"L:A:Z:6:100:0:GATE=50@0:GATE=70@1", u"A", 320, 2},
    {u"L:A:Z:6:100:0:GATE=50@0:GATE=70@1", u"A", 420, 3},
};

TEST(StandInLever, PressMovesItByItsHold) {
  for (const TravelCase& c : travelCases) {
    TLeverDriver lever(c.Option);
    const int32_t start = lever.Notch();
    lever.Press(c.Key, c.HoldMs);
    SCOPED_TRACE(ToUtf8(c.Option) + " " + ToUtf8(c.Key) + " " + std::to_string(c.HoldMs) + " ms");
    EXPECT_EQ(lever.Notch(), c.Expected);
    // A line only when the lever really moved, stamped with the key-up.
    if (c.Expected == start) {
      EXPECT_TRUE(lever.Moves().empty());
    } else {
      ASSERT_EQ(lever.Moves().size(), 1u);
      EXPECT_EQ(lever.Moves()[0], (TLeverMove{lever.now_ - 1000, start, c.Expected}));
    }
  }
}

TEST(StandInLever, PressesAddUp) {
  TLeverDriver lever(u"L:A:Z:10:100:0:GATE=200@4");
  for (uint32_t hold : {150u, 250u, 100u, 300u, 250u}) lever.Press(u"A", hold);
  // The gate between 4 and 5 takes one press of 300 ms; what is left of a
  // press never carries over to the next.
  const std::vector<int32_t> to = [&] {
    std::vector<int32_t> notches;
    for (const TLeverMove& m : lever.Moves()) notches.push_back(m.To);
    return notches;
  }();
  EXPECT_EQ(to, (std::vector<int32_t>{1, 3, 4, 5, 7}));
  lever.Press(u"Z", 1000);
  EXPECT_EQ(lever.Notch(), 0);
}

TEST(StandInLever, RepeatsBelongToThePressAndTimeWraps) {
  TLeverDriver lever(u"L:A:Z:6:100");
  lever.Send(0xFFFFFFF0u, true, 0x1E, false, u"A");
  lever.Send(0x50u, true, 0x1E, false, u"A");   // an auto-repeat: the press runs on
  lever.Send(0xC4u, false, 0x1E, false, u"A");  // 0xD4 ms after the first down
  EXPECT_EQ(lever.Notch(), 2);
  lever.Send(0x200u, false, 0x1E, false, u"A");  // an up without its down moves nothing
  EXPECT_EQ(lever.Notch(), 2);
}

TEST(StandInLever, ModifiersSayWhichKeyWasPressed) {
  TLeverDriver lever(u"L:Shift+H:H:6:100:3");
  lever.Press(u"H", 100);
  EXPECT_EQ(lever.Notch(), 2);
  lever.Shift(true);
  lever.Press(u"H", 100);
  EXPECT_EQ(lever.Notch(), 3);
  lever.Ctrl(true);  // Ctrl+Shift+H is neither key
  lever.Press(u"H", 100);
  EXPECT_EQ(lever.Notch(), 3);
  lever.Ctrl(false);
  // Shift let go before H: the press still ends with H's key-up.
  lever.Send(lever.now_, true, 0x23, false, u"H");
  lever.Shift(false);
  lever.Send(lever.now_ + 200, false, 0x23, false, u"H");
  EXPECT_EQ(lever.Notch(), 5);
}

TEST(StandInLever, RightHandModifiersAreTheirOwn) {
  TLeverDriver lever(u"L:RCtrl+Num +:Num +:6:100:3");
  lever.Send(1, true, 0x1D, false, u"Ctrl");  // the left one
  lever.Send(2, true, 0x4E, false, u"Num +");
  lever.Send(202, false, 0x4E, false, u"Num +");
  lever.Send(203, false, 0x1D, false, u"Ctrl");
  EXPECT_EQ(lever.Notch(), 3);
  lever.Send(301, true, 0x1D, true, u"Right Ctrl");
  lever.Send(302, true, 0x4E, false, u"Num +");
  lever.Send(502, false, 0x4E, false, u"Num +");
  EXPECT_EQ(lever.Notch(), 5);
}

TEST(StandInLever, OptionGivesEveryPart) {
  const TLeverSetup setup = ParseLeverOption(u"Brake lever:Shift+Ctrl+H:Num 8:10:335:3:GATE=400@2:GATE=80@8");
  EXPECT_EQ(setup.Name, u"Brake lever");
  EXPECT_EQ(setup.Up.Modifiers, modShift | modCtrl);
  EXPECT_EQ(setup.Up.Name, u"H");
  EXPECT_EQ(setup.Down.Modifiers, 0);
  EXPECT_EQ(setup.Down.Name, u"Num 8");
  EXPECT_EQ(setup.Notches, 10);
  EXPECT_EQ(setup.HoldMs, 335);
  EXPECT_EQ(setup.Start, 3);
  ASSERT_EQ(setup.Gates.size(), 2u);
  EXPECT_EQ(setup.Gates[1].Notch, 8);
  EXPECT_EQ(setup.Gates[1].Ms, 80);
  // START may be left out before the gates; a key may be a "+" of its own.
  const TLeverSetup gated = ParseLeverOption(u"T:Num +:Shift+Num +:4:100:GATE=50@0");
  EXPECT_EQ(gated.Start, 0);
  EXPECT_EQ(gated.Up.Name, u"Num +");
  EXPECT_EQ(gated.Down.Modifiers, modShift);
  EXPECT_EQ(gated.Gates.size(), 1u);
}

struct BadOption {
  const char16_t* Option;
  const char* Fault;  // the part the message must name
};

const BadOption badOptions[] = {
    {u"T:A:Z:5", "expected NAME:UP:DOWN:NOTCHES:HOLD_MS"},
    {u":A:Z:5:100", "NAME is empty"},
    {u"T::Z:5:100", "UP names no key"},
    {u"T:A:Shift+Ctrl+:5:100", "DOWN "},
    {u"T:A:a:5:100", "UP and DOWN are the same key"},
    {u"T:A:Z:1:100", "NOTCHES \"1\" is not a whole number from 2 to 100"},
    {u"T:A:Z:x:100", "NOTCHES \"x\""},
    {u"T:A:Z:101:100", "NOTCHES \"101\""},
    {u"T:A:Z:5:0", "HOLD_MS \"0\" is not a whole number from 1 to 10000"},
    {u"T:A:Z:5:99999999999", "HOLD_MS"},
    {u"T:A:Z:5:-5", "HOLD_MS"},
    {u"T:A:Z:5:100:5", "START \"5\" is not a whole number from 0 to 4"},
    {u"T:A:Z:5:100:", "START \"\""},
    {u"T:A:Z:5:100:GATE=50", "GATE \"GATE=50\" is not GATE=MS@NOTCH"},
    {u"T:A:Z:5:100:1:2", "GATE \"2\" is not GATE=MS@NOTCH"},
    {u"T:A:Z:5:100:gate=50@1", "GATE \"gate=50@1\""},
    {u"T:A:Z:5:100:GATE=50@4", "GATE notch \"4\" is not a whole number from 0 to 3"},
    {u"T:A:Z:5:100:GATE=x@1", "GATE MS \"x\""},
    {u"T:A:Z:5:100:GATE=0@1", "GATE MS \"0\""},
    {u"T:A:Z:5:100:GATE=50@1:GATE=60@1", "two gates at notch 1"},
};

TEST(StandInLever, MalformedOptionNamesThePartAtFault) {
  for (const BadOption& c : badOptions) {
    SCOPED_TRACE(ToUtf8(c.Option));
    try {
      ParseLeverOption(c.Option);
      ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
      const std::string message = e.what();
      EXPECT_NE(message.find("--lever \"" + ToUtf8(c.Option) + "\": "), std::string::npos) << message;
      EXPECT_NE(message.find(c.Fault), std::string::npos) << message;
    }
  }
}

TEST(StandInLeverLog, MoveLineReadsBackAndIsNoKeyLine) {
  const TLeverLogEntry move{4294967295u, "Brake lever 2", 7, -1};
  const std::string line = FormatLeverLogLine(move);
  EXPECT_EQ(line, "4294967295 lever Brake lever 2 7 -> -1");
  EXPECT_EQ(ParseLeverLogLine(line), move);
  EXPECT_EQ(ParseKeyLogLine(line), std::nullopt);
  const std::string key = FormatKeyLogLine({1234, true, 0x26, 0x48, true});
  EXPECT_EQ(ParseLeverLogLine(key), std::nullopt);
  for (const char* bad : {"12 lever 2 -> 3", "12 lever T 2 -> ", "12 lever T x -> 3", "12 leverage T 2 -> 3",
                          "12 lever T 2 -> 3 ", "lever T 2 -> 3"})
    EXPECT_EQ(ParseLeverLogLine(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace qv::sim
