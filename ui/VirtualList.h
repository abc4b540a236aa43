#pragma once
// What the tree needs of the list box that shows it. The list is virtual: it
// only learns how many rows there are and asks for each row when it paints,
// so the tree never fills it with strings.
#include <cstdint>

namespace qv {

class VirtualList {
 public:
  virtual ~VirtualList() = default;
  virtual int32_t ItemCount() const = 0;
  virtual void SetItemCount(int32_t count) = 0;
  virtual void Repaint() = 0;
  virtual int32_t TopRow() const = 0;
  virtual void SetTopRow(int32_t row) = 0;
  virtual bool MultiSelect() const = 0;
  // The focused row of a multi-select list, the selected one otherwise; -1 for none.
  virtual int32_t SelectedIndex() const = 0;
  virtual void SetSelectedIndex(int32_t row) = 0;
  virtual bool IsSelected(int32_t row) const = 0;
  virtual void SetSelected(int32_t row, bool selected) = 0;
  virtual void ClearSelection() = 0;
};

}  // namespace qv
