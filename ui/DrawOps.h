#pragma once
// What one row of the control list shows, as a short list of drawing steps
// computed from the live tables at each paint. The painter executes them
// from left to right and decides nothing.
#include <string>
#include <vector>

#include "ui/Icons.h"

namespace qv::ui {

enum class TDrawKind : uint8_t {
  Icon,
  IndentedIcon,  // one row height of space first, then the icon
  Text,
  ToggleBold,  // the following texts in the list font with bold the other way round
  HalfGap,     // half a row height of space
};

struct TDrawOp {
  TDrawKind Kind = TDrawKind::Text;
  TIcon Icon = TIcon::Folder;
  std::u16string Text;
  bool operator==(const TDrawOp&) const = default;
};

using TRowOps = std::vector<TDrawOp>;

// What the painter draws into: one row of an off-screen bitmap.
class TRowCanvas {
 public:
  virtual ~TRowCanvas() = default;
  virtual int TextWidth(const std::u16string& text) = 0;
  virtual void DrawText(int x, const std::u16string& text) = 0;
  // y: the icon's top, already centred in the row.
  virtual void DrawIcon(int x, int y, TIcon icon) = 0;
  virtual void SetBold(bool bold) = 0;
};

struct TRowBox {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Level = 0;
  bool BoldFont = false;  // the list font's own weight
};

// Runs ops on canvas from the row's indent rightwards; whatever would start
// at or beyond the right edge is left out.
void ExecuteRow(const TRowOps& ops, TRowCanvas& canvas, const TRowBox& box);

}  // namespace qv::ui
