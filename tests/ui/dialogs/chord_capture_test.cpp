// The key capture's chord rule, one key message at a time: what is taken
// with which modifiers held, and which messages no window may see.
#include <gtest/gtest.h>

#include <vector>

#include "engine/KeyAction.h"
#include "ui/dialogs/ChordCapture.h"

namespace qv::ui::dialogs {
namespace {

// Keys as a keyboard reports them: the generic virtual key of a modifier,
// left and right told apart by scan code and extended flag.
constexpr TCapturedKey lCtrl{0x11, 0x1D, false}, rCtrl{0x11, 0x1D, true};
constexpr TCapturedKey lShift{0x10, 0x2A, false}, rShift{0x10, 0x36, false};
constexpr TCapturedKey lAlt{0x12, 0x38, false}, menuKey{0x5D, 0x5D, true};
constexpr TCapturedKey keyB{0x42, 0x30, false}, enter{0x0D, 0x1C, false};

struct Message {
  TCapturedKey key;
  enum { Down, Repeat, Up } what;
  bool toWindow = true;
  bool ours = true;  // kept from every window
};

struct Case {
  const char* what;
  std::vector<Message> messages;
  bool taken;
  TCapturedKey key;
  TToggles held;
};

void Expect(TChordCapture& capture, const Case& c) {
  for (size_t i = 0; i < c.messages.size(); ++i) {
    const Message& m = c.messages[i];
    EXPECT_EQ(capture.Feed(m.key, m.what != Message::Up, m.what == Message::Repeat, m.toWindow), m.ours)
        << "message " << i;
  }
  ASSERT_EQ(capture.Taken().has_value(), c.taken);
  if (!c.taken) return;
  EXPECT_EQ(capture.Taken()->Vkey, c.key.Vkey);
  EXPECT_EQ(capture.Taken()->ScanCode, c.key.ScanCode);
  EXPECT_EQ(capture.Taken()->Extended, c.key.Extended);
  EXPECT_EQ(capture.Held(), c.held);
}

TEST(ChordCapture, AModifierWaitsForTheNextKeyOrIsTakenAloneWhenReleased) {
  const Case cases[] = {
      {"a plain key", {{keyB, Message::Down}}, true, keyB, 0},
      {"left Ctrl then B",
       {{lCtrl, Message::Down}, {lCtrl, Message::Repeat}, {keyB, Message::Down}},
       true,
       keyB,
       modCtrl},
      {"right Ctrl then B", {{rCtrl, Message::Down}, {keyB, Message::Down}}, true, keyB, modRCtrl},
      {"Ctrl and right Shift then Enter",
       {{lCtrl, Message::Down}, {rShift, Message::Down}, {enter, Message::Down}},
       true,
       enter,
       modCtrl | modRShift},
      {"Ctrl pressed and released alone",
       {{lCtrl, Message::Down}, {lCtrl, Message::Repeat}, {lCtrl, Message::Up}},
       true,
       lCtrl,
       0},
      {"the menu key alone", {{menuKey, Message::Down}, {menuKey, Message::Up}}, true, menuKey, 0},
      {"Ctrl held, Shift pressed and released",
       {{lCtrl, Message::Down}, {lShift, Message::Down}, {lShift, Message::Up}},
       true,
       lShift,
       modCtrl},
      {"a modifier released is no longer held",
       {{lAlt, Message::Down}, {lCtrl, Message::Down}, {lAlt, Message::Up}},
       true,
       lAlt,
       modCtrl},
      {"still waiting while a modifier is down",
       {{lAlt, Message::Down}, {rCtrl, Message::Down}},
       false,
       {},
       0},
      {"a key down before the window opened is no press, its key-up not ours",
       {{enter, Message::Repeat}, {enter, Message::Up, true, false}, {keyB, Message::Down}},
       true,
       keyB,
       0},
      {"a modifier down before the window opened: its key-up takes nothing",
       {{lCtrl, Message::Up, true, false}, {keyB, Message::Down}},
       true,
       keyB,
       0},
      {"keys of other windows are not taken",
       {{keyB, Message::Down, false, false}, {lCtrl, Message::Down, false, false}},
       false,
       {},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TChordCapture capture;
    capture.Start();
    Expect(capture, c);
  }
}

TEST(ChordCapture, KeysOfTheChordStayOursUntilTheyGoUpWhateverWindowTheyReach) {
  TChordCapture capture;
  capture.Start();
  Expect(capture, {"Ctrl+B, then its repeats and key-ups reach the window behind",
                   {{lCtrl, Message::Down},
                    {keyB, Message::Down},
                    {keyB, Message::Repeat, false},
                    {keyB, Message::Down, false},  // a repeat the system did not mark
                    {lCtrl, Message::Repeat, false},
                    {keyB, Message::Up, false},
                    {keyB, Message::Down, false, false},  // a new press: no longer ours
                    {keyB, Message::Up, false, false}},
                   true,
                   keyB,
                   modCtrl});
  // Ctrl is still down at the next showing: it holds for the next key, and
  // its key-up is the capture's.
  capture.Start();
  Expect(capture,
         {"Ctrl still held", {{lCtrl, Message::Repeat}, {enter, Message::Down}}, true, enter, modCtrl});
  EXPECT_TRUE(capture.Feed(lCtrl, false, false, false));
  EXPECT_FALSE(capture.Feed(lCtrl, false, false, false)) << "only one key-up is the capture's";
}

TEST(ChordCapture, AKeyTheIdleCheckFoundIsTakenWithTheModifiersHeldAndKeptUntilItsKeyUp) {
  constexpr TCapturedKey tab{0x09, 0x0F, false};
  TChordCapture capture;
  capture.Start();
  EXPECT_TRUE(capture.Feed(rShift, true, false, true));
  capture.TakeIdle(tab);
  capture.TakeIdle(enter);  // the first key wins
  ASSERT_TRUE(capture.Taken().has_value());
  EXPECT_EQ(capture.Taken()->Vkey, tab.Vkey);
  EXPECT_EQ(capture.Held(), modRShift);
  EXPECT_TRUE(capture.Feed(tab, true, false, true)) << "Tab's own key-down, late";
  EXPECT_TRUE(capture.Feed(tab, false, false, false));
  EXPECT_TRUE(capture.Feed(rShift, false, false, false));
}

}  // namespace
}  // namespace qv::ui::dialogs
