#include "ui/win32/RowPainter.h"

#include <algorithm>
#include <string>

#include "ui/DrawOps.h"
#include "ui/RowHints.h"

namespace qv::ui {
namespace {

// The colour every icon source uses for "no pixel here".
constexpr COLORREF IconTransparent = RGB(255, 0, 255);

class TDcCanvas final : public TRowCanvas {
 public:
  TDcCanvas(HDC dc, const std::array<HBITMAP, size_t(TIcon::Count)>& icons, HFONT normal, HFONT bold)
      : dc_(dc), icons_(icons), normal_(normal), bold_(bold) {}
  int TextWidth(const std::u16string& text) override {
    SIZE size{};
    GetTextExtentPoint32W(dc_, reinterpret_cast<const wchar_t*>(text.data()), int(text.size()), &size);
    return size.cx;
  }
  void DrawText(int x, const std::u16string& text) override {
    TextOutW(dc_, x, 0, reinterpret_cast<const wchar_t*>(text.data()), int(text.size()));
  }
  void DrawIcon(int x, int y, TIcon icon) override {
    HBITMAP bitmap = icons_[size_t(icon)];
    if (!bitmap) return;
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    HDC source = CreateCompatibleDC(dc_);
    HGDIOBJ old = SelectObject(source, bitmap);
    TransparentBlt(dc_, x, y, info.bmWidth, info.bmHeight, source, 0, 0, info.bmWidth, info.bmHeight,
                   IconTransparent);
    SelectObject(source, old);
    DeleteDC(source);
  }
  void SetBold(bool bold) override { SelectObject(dc_, bold ? bold_ : normal_); }

 private:
  HDC dc_;
  const std::array<HBITMAP, size_t(TIcon::Count)>& icons_;
  HFONT normal_;
  HFONT bold_;
};

}  // namespace

TRowPainter::TRowPainter() {
  HINSTANCE module = GetModuleHandleW(nullptr);
  for (size_t i = 0; i < icons_.size(); ++i) {
    const std::string_view name = IconInfo(TIcon(i)).Resource;
    const std::wstring wide(name.begin(), name.end());
    icons_[i] = HBITMAP(LoadImageW(module, wide.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
}

TRowPainter::~TRowPainter() {
  for (HBITMAP icon : icons_) {
    if (icon) DeleteObject(icon);
  }
  if (memory_) {
    SelectObject(memory_, original_);
    DeleteDC(memory_);
  }
  if (bitmap_) DeleteObject(bitmap_);
  if (bold_) DeleteObject(bold_);
}

bool TRowPainter::IconsLoaded() const {
  return std::all_of(icons_.begin(), icons_.end(), [](HBITMAP b) { return b != nullptr; });
}

SIZE TRowPainter::IconSize(TIcon icon) const {
  BITMAP info{};
  if (!icons_[size_t(icon)] || !GetObjectW(icons_[size_t(icon)], sizeof(info), &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void TRowPainter::Reserve(HDC target, int width, int height) {
  if (memory_ && width <= width_ && height <= height_) return;
  width_ = std::max(width_ + 50, width);
  height_ = std::max(height_, height + 1);
  HBITMAP grown = CreateCompatibleBitmap(target, width_, height_);
  if (!memory_) {
    memory_ = CreateCompatibleDC(target);
    original_ = SelectObject(memory_, grown);
  } else {
    SelectObject(memory_, grown);
    DeleteObject(bitmap_);
  }
  bitmap_ = grown;
}

HFONT TRowPainter::BoldOf(HFONT font) {
  if (bold_ && boldSource_ == font) return bold_;
  LOGFONTW log{};
  GetObjectW(font, sizeof(log), &log);
  log.lfWeight = log.lfWeight >= FW_BOLD ? FW_NORMAL : FW_BOLD;
  if (bold_) DeleteObject(bold_);
  bold_ = CreateFontIndirectW(&log);
  boldSource_ = font;
  return bold_;
}

void TRowPainter::Draw(const DRAWITEMSTRUCT& item, const TTreeList& tree, const TDeviceView& device,
                       HFONT font) {
  const RECT& r = item.rcItem;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return;
  Reserve(item.hDC, width, height);
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const RECT area{0, 0, width, height};
  FillRect(memory_, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (int32_t(item.itemID) >= 0 && int32_t(item.itemID) < tree.RowCount()) {
    const TTreeVisualRow& row = tree.Row(int32_t(item.itemID));
    SelectObject(memory_, font);
    SetBkMode(memory_, TRANSPARENT);
    SetTextColor(memory_, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    TRowOps ops;
    if (auto* content = dynamic_cast<const TVisRow*>(row.Item)) content->Content(ops, device);
    LOGFONTW log{};
    GetObjectW(font, sizeof(log), &log);
    TDcCanvas canvas(memory_, icons_, font, BoldOf(font));
    ExecuteRow(ops, canvas, {0, 0, width, height, row.Level, log.lfWeight >= FW_BOLD});
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(memory_, &area);
  BitBlt(item.hDC, r.left, r.top, width, height, memory_, 0, 0, SRCCOPY);
}

std::optional<TIcon> TRowPainter::IconAt(const TTreeList& tree, const TDeviceView& device, HFONT font,
                                         int32_t row, SIZE line, int x) {
  if (row < 0 || row >= tree.RowCount()) return std::nullopt;
  const TTreeVisualRow& visual = tree.Row(row);
  TRowOps ops;
  if (auto* content = dynamic_cast<const TVisRow*>(visual.Item)) content->Content(ops, device);
  LOGFONTW log{};
  GetObjectW(font, sizeof(log), &log);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, font);
  TDcCanvas measure(screen, icons_, font, BoldOf(font));
  const std::optional<TIcon> icon =
      ui::IconAt(ops, measure, {0, 0, line.cx, line.cy, visual.Level, log.lfWeight >= FW_BOLD}, x);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return icon;
}

}  // namespace qv::ui
