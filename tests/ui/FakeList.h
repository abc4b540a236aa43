#pragma once
// A list box that remembers what the tree asked of it: how often it was
// rebuilt (item count set or repainted), its scroll position and selection.
#include <set>

#include "ui/VirtualList.h"

namespace qv::test {

class FakeList : public VirtualList {
 public:
  explicit FakeList(bool multi = false) : multi_(multi) {}
  int32_t ItemCount() const override { return count_; }
  void SetItemCount(int32_t count) override {
    count_ = count;
    ++updates;
  }
  void Repaint() override { ++updates; }
  int32_t TopRow() const override { return top_; }
  void SetTopRow(int32_t row) override { top_ = row; }
  bool MultiSelect() const override { return multi_; }
  int32_t SelectedIndex() const override { return index_; }
  void SetSelectedIndex(int32_t row) override { index_ = row; }
  bool IsSelected(int32_t row) const override { return multi_ ? selected_.count(row) > 0 : row == index_; }
  void SetSelected(int32_t row, bool on) override {
    // Like the real list box, -1 stands for every row.
    if (row < 0) {
      for (int32_t r = 0; r < count_; ++r) SetSelected(r, on);
    } else if (on) {
      selected_.insert(row);
    } else {
      selected_.erase(row);
    }
  }
  void ClearSelection() override { selected_.clear(); }
  size_t SelectedCount() const { return selected_.size(); }

  int updates = 0;

 private:
  bool multi_;
  int32_t count_ = 0;
  int32_t top_ = 0;
  int32_t index_ = -1;
  std::set<int32_t> selected_;
};

}  // namespace qv::test
