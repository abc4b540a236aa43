#pragma once
// The tree's view of the real list box: a virtual single-select owner-drawn
// list box (LBS_NODATA) that only knows its row count.
#include <windows.h>

#include "ui/VirtualList.h"

namespace qv::ui {

class TListBoxView final : public VirtualList {
 public:
  explicit TListBoxView(HWND list) : list_(list) {}
  int32_t ItemCount() const override;
  void SetItemCount(int32_t count) override;
  void Repaint() override;
  int32_t TopRow() const override;
  void SetTopRow(int32_t row) override;
  bool MultiSelect() const override { return false; }
  int32_t SelectedIndex() const override;
  void SetSelectedIndex(int32_t row) override;
  bool IsSelected(int32_t row) const override;
  void SetSelected(int32_t row, bool selected) override;
  void ClearSelection() override;

 private:
  HWND list_;
};

}  // namespace qv::ui
