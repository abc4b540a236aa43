#pragma once
// A lever of the stand-in simulator that moves as a hold-sensitive simulator's
// lever does: the longer its up or down key is held, the more notches it
// travels. Users and tests watch it to see whether the program's taps are
// long enough and whether the two levers stay together.
//
//   --lever NAME:UP:DOWN:NOTCHES:HOLD_MS[:START][:GATE=MS@NOTCH...]
//
// Notches are numbered 0 to NOTCHES - 1; the lever starts at START (0 when
// left out). UP and DOWN are keys as the program names them ("A",
// "Shift+H", "Num 8"). A press held t ms travels floor(t / HOLD_MS) notches,
// never past an end. "GATE=MS@N" makes the boundary between notches N and
// N + 1 a gate, in both directions: crossing it takes MS more of the same
// press (so a press of HOLD_MS + MS crosses it, a shorter one stops at it).
// The move is counted when the key goes up, from the key messages' own time
// stamps, so a slow window never changes how far the lever goes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv::sim {

struct TLeverKey {
  uint16_t Modifiers = 0;  // the program's modifier bits (Shift, Ctrl, ...)
  std::u16string Name;     // the key's own name, without its modifiers
};

struct TLeverGate {
  int32_t Notch = 0;  // the boundary between this notch and the next one up
  int32_t Ms = 0;
};

struct TLeverSetup {
  std::u16string Name;
  TLeverKey Up;
  TLeverKey Down;
  int32_t Notches = 0;
  int32_t HoldMs = 0;
  int32_t Start = 0;
  std::vector<TLeverGate> Gates;
};

// Throws qv::Error naming the part of text at fault.
TLeverSetup ParseLeverOption(std::u16string_view text);

// One key message as the stand-in received it. Name is the key's name as the
// keyboard layout gives it for the scan code, the name the program shows.
struct TKeyMessage {
  uint32_t Time = 0;
  bool Down = false;
  uint16_t Scan = 0;
  bool Extended = false;
  std::u16string Name;
};

// Which modifier keys are down, from every key message in order.
class TModifierState {
 public:
  void Update(const TKeyMessage& key);
  uint16_t Down() const { return down_; }

 private:
  uint16_t down_ = 0;
};

struct TLeverMove {
  uint32_t Time = 0;  // the key-up that ended the press
  int32_t From = 0;
  int32_t To = 0;
  bool operator==(const TLeverMove&) const = default;
};

class TStandInLever {
 public:
  explicit TStandInLever(TLeverSetup setup);
  const TLeverSetup& Setup() const { return setup_; }
  int32_t Notch() const { return notch_; }
  // modifiersDown: the modifiers down before this message. A press starts
  // when the key goes down with exactly its modifiers down, and ends when the
  // key goes up whatever the modifiers do meanwhile; repeats are part of it.
  std::optional<TLeverMove> OnKey(const TKeyMessage& key, uint16_t modifiersDown);
  // Where a press of holdMs in direction (+1 up, -1 down) leaves the lever.
  int32_t Travel(int32_t direction, uint32_t holdMs) const;

 private:
  struct TPress {
    bool Active = false;
    uint32_t Since = 0;
  };
  TLeverSetup setup_;
  int32_t notch_;
  TPress up_;
  TPress down_;
};

}  // namespace qv::sim
