#pragma once
// A profile tried without a controller, a simulator or a sound card: the
// program's own poll loop (TPollLoop) stepped on the calling thread on a
// virtual clock from 0, the virtual joystick playing a controller's
// timeline, and every keyboard record and system command it gives kept in
// the order it gave them. Parking commands act for real; sound commands act
// on a fake sound card, and what they changed there is kept with them.
//
// The engine's tables and seams are the process's own: one replay at a
// time, and nothing else may use the engine meanwhile.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Seams.h"
#include "sim/VirtualController.h"

namespace qv::tool {

struct TReplayKey {
  TKeyInput Input;
  int Batch = 0;  // the platform call it went out in, counted from 1
};

struct TReplayCommand {
  int32_t Command = 0;
  bool Up = false;
  int32_t Count = 0;
  std::string Effect;  // what it changed on the sound card, "" for nothing
};

// A keyboard record or a system command.
struct TReplayEvent {
  uint32_t Time = 0;  // ms from the start
  bool IsKey = true;
  TReplayKey Key;
  TReplayCommand Command;
};

class TReplay {
 public:
  // Sets the controllers up as the program does (without a binding it takes
  // the first); raises Error when that fails. The joystick settings must
  // already be in JoySettings.
  explicit TReplay(std::vector<sim::TVirtualController> controllers);
  ~TReplay();
  TReplay(const TReplay&) = delete;
  TReplay& operator=(const TReplay&) = delete;

  const sim::TVirtualController& Controller() const;

  // Loads the profile as the program does (nullopt when there is no such
  // file; raises EMultilevel when it does not read), starts polling at 0
  // with the simulator in front and stops polling at endMs.
  std::optional<std::vector<TReplayEvent>> Run(const std::u16string& profile, uint32_t endMs);

 private:
  struct TParts;
  std::unique_ptr<TParts> parts_;
};

// Where a replay of this controller ends by itself: a second after the last
// point of its timeline; nullopt for a timeline that loops, which never ends.
std::optional<uint32_t> NaturalEnd(const sim::TVirtualController& controller);

}  // namespace qv::tool
