#pragma once
// Draws one row of the control list: the row's draw steps executed into one
// shared off-screen bitmap (no flicker, no per-row allocation), then copied
// to the list. The bitmap grows by at least 50 pixels at a time and never
// shrinks.
#include <windows.h>

#include <array>
#include <optional>

#include "ui/ControlTree.h"
#include "ui/Icons.h"

namespace qv::ui {

class TRowPainter {
 public:
  TRowPainter();
  ~TRowPainter();
  TRowPainter(const TRowPainter&) = delete;
  TRowPainter& operator=(const TRowPainter&) = delete;

  // False when a bitmap resource is missing from the program.
  bool IconsLoaded() const;
  SIZE IconSize(TIcon icon) const;
  SIZE BitmapSize() const { return {width_, height_}; }

  void Draw(const DRAWITEMSTRUCT& item, const TTreeList& tree, const TDeviceView& device, HFONT font);
  // The icon drawn at x of the list's row in a line of width by height.
  std::optional<TIcon> IconAt(const TTreeList& tree, const TDeviceView& device, HFONT font, int32_t row,
                              SIZE line, int x);

 private:
  void Reserve(HDC target, int width, int height);
  HFONT BoldOf(HFONT font);

  std::array<HBITMAP, size_t(TIcon::Count)> icons_{};
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  HFONT boldSource_ = nullptr;
  HFONT bold_ = nullptr;
};

}  // namespace qv::ui
