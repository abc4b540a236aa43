#include "ui/RowHints.h"

namespace qv::ui {
namespace {

// Lays the row out without drawing, and remembers the icon whose span holds x.
class THitCanvas final : public TRowCanvas {
 public:
  THitCanvas(TRowCanvas& measure, int x) : measure_(measure), x_(x) {}
  int TextWidth(const std::u16string& text) override { return measure_.TextWidth(text); }
  void DrawText(int, const std::u16string&) override {}
  void DrawIcon(int x, int, TIcon icon) override {
    if (x_ >= x && x_ < x + IconInfo(icon).Width) hit = icon;
  }
  void SetBold(bool bold) override { measure_.SetBold(bold); }

  std::optional<TIcon> hit;

 private:
  TRowCanvas& measure_;
  int x_;
};

}  // namespace

std::optional<TIcon> IconAt(const TRowOps& ops, TRowCanvas& canvas, const TRowBox& box, int x) {
  THitCanvas hits(canvas, x);
  ExecuteRow(ops, hits, box);
  return hits.hit;
}

std::string_view IconHintKey(TIcon icon) {
  if (icon >= TIcon::HatLit) return "hintIconHat";
  switch (icon) {
    case TIcon::Btn0:
      return "hintIconOff";
    case TIcon::Btn1:
      return "hintIconOn";
    case TIcon::Btn2:
      return "hintIconBeyond";
    case TIcon::Cross:
      return "hintIconCross";
    case TIcon::Axis:
      return "hintIconAxis";
    case TIcon::Compat:
      return "hintIconCompat";
    case TIcon::Park:
      return "hintIconPark";
    case TIcon::ParkOk:
      return "hintIconParkOk";
    case TIcon::Press:
      return "hintIconPress";
    case TIcon::Hold:
      return "hintIconHold";
    case TIcon::Release:
      return "hintIconRelease";
    case TIcon::Plus:
      return "hintIconUp";
    case TIcon::Minus:
      return "hintIconDown";
    case TIcon::Chart:
      return "hintIconChart";
    case TIcon::Exclamation:
      return "hintIconMissing";
    case TIcon::HatOff:
      return "hintIconHat";
    default:
      return {};
  }
}

}  // namespace qv::ui
