#pragma once
// Controllers described in a Multilevel file, for the virtual joystick:
//
//   { MULTILEVEL
//     { CONTROLLER
//       Name=Quorvex Virtual Train Controller
//       Polled=1
//       Axis0=Throttle lever
//       Button3=Horn
//       Hat0=Hat switch
//       { TIMELINE
//         Loop=1
//         Length=12000
//         At=0
//         Axis0=1000
//         At=800
//         Button3=1
//       }
//     }
//   }
//
// A control line names the kind and the instance number; its value is the
// object's name; "Polled=1" makes it a device that cannot signal its
// changes, which is then read on a fixed period; "NeverSignals=1" one that
// accepts the signal and never gives it, as some drivers do. Controls are
// enumerated in the order they are declared. In the timeline, "At" sets the
// millisecond (after the device is acquired) at which the lines below it
// happen; "Loop=1" starts over after "Length" ms, which defaults to the last
// "At". Values: axes 0..65535, buttons 0 or 1, hats -1 (centred) or 0..35999
// hundredths of a degree clockwise from north.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Error.h"

namespace qv {
class TMultilevel;
}

namespace qv::sim {

// A controller file that cannot be used; the message names the file and the line.
class EControllerFile : public Error {
 public:
  using Error::Error;
};

enum class TControlKind { Axis, Button, Hat };

struct TVirtualControl {
  TControlKind Kind = TControlKind::Axis;
  int32_t Instance = 0;
  std::u16string Name;
};

struct TTimelineEvent {
  uint32_t At = 0;     // ms after the device was acquired
  size_t Control = 0;  // index into Controls
  int32_t Value = 0;
};

struct TVirtualController {
  std::u16string Name;
  std::vector<TVirtualControl> Controls;
  std::vector<TTimelineEvent> Timeline;  // in time order
  bool Loop = false;
  uint32_t Length = 0;
  bool Polled = false;        // cannot signal its changes: must be polled
  bool NeverSignals = false;  // accepts the change signal and never gives it
};

// The file's name is the default one's when empty; raises EControllerFile.
std::vector<TVirtualController> LoadVirtualControllers(const std::u16string& fileName);
// The same from a loaded document; fileName only names it in errors.
std::vector<TVirtualController> ReadVirtualControllers(const TMultilevel& document,
                                                       const std::u16string& fileName);

// A controller of that many axes, buttons and hats, control k of each kind
// with instance number k, declared axes first, then buttons, then hats.
TVirtualController PlainController(std::u16string name, int axes, int buttons, int hats);

// The example controller shipped beside the program, used when nothing else is named.
std::u16string DefaultControllerFile();
// Its joystick settings, shipped beside it.
std::u16string DefaultControllerSettingsFile();

}  // namespace qv::sim
