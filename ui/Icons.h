#pragma once
// The small bitmaps of the control list, by role. The resource of each is
// named as in the table in Icons.cpp; the sizes there are the ones the
// resources are drawn at, so the row layout can be worked out without them.
#include <cstdint>
#include <string_view>

namespace qv::ui {

enum class TIcon : uint8_t {
  Folder,
  Btn0,
  Btn1,
  Btn2,
  Cross,
  Axis,
  Expanded,
  Collapsed,
  Plus,
  Minus,
  Compat,
  Park,
  ParkOk,
  Press,
  Hold,
  Release,
  Chart,
  Exclamation,
  HatOff,
  HatLit,               // + direction 0..7: HAT_N .. HAT_NW
  HatDim = HatLit + 8,  // + direction 0..7: HAT0_N .. HAT0_NW
  Count = HatDim + 8,
};

struct TIconInfo {
  std::string_view Resource;
  int16_t Width;
  int16_t Height;
};

const TIconInfo& IconInfo(TIcon icon);
// The lit icon of a hat direction; centred (or anything out of 0..7) is HAT_OFF.
TIcon HatIcon(uint8_t direction, bool lit);

}  // namespace qv::ui
