#include "ui/TreeList.h"

#include <algorithm>

#include "base/Error.h"

namespace qv {

void TTreeListNode::ExpandPath() {
  Expand();
  if (parent_) parent_->MakeChildrenVisible();
}

void TTreeListNode::MakeChildrenVisible() {
  if (!ChildrenVisible()) ExpandPath();
}

void TTreeListNode::Insert(int32_t index, std::unique_ptr<TTreeItem> item) {
  if (index < 0 || index > Count()) index = Count();
  // The new child takes the place of whatever shows at this row now.
  const int32_t row = tree_.RowOfChild(*this, index);
  if (auto* node = dynamic_cast<TTreeListNode*>(item.get())) node->parent_ = this;
  children_.insert(children_.begin() + index, std::move(item));
  if (tree_.HasList() && !tree_.Locked() && ChildrenVisible()) {
    tree_.RebuildKeepingPosition(row);
  } else {
    tree_.MarkPending();
  }
}

void TTreeListNode::Delete(int32_t index) {
  if (index < 0 || index >= Count()) return;
  children_.erase(children_.begin() + index);
  Refresh();
}

void TTreeListNode::Refresh() { tree_.Refresh(); }

std::unique_ptr<TTreeIterator> TTreeListNode::GetIterator(TIterFilter filter, bool backwards) {
  if (backwards) return std::make_unique<TBackIterator>(*this, filter);
  return std::make_unique<TFwdIterator>(*this, filter);
}

TTreeItem* TTreeListNode::Items(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[size_t(index)].get();
}

int32_t TTreeListNode::IndexOf(const TTreeItem* item) const {
  for (int32_t i = 0; i < Count(); ++i) {
    if (children_[size_t(i)].get() == item) return i;
  }
  return -1;
}

void TTreeListNode::Expand() {
  if (expanded_) return;
  expanded_ = true;
  // A node under a collapsed parent has no row: its children show up once
  // the parent is expanded, and nothing needs rebuilding now.
  if (parent_ && parent_->ChildrenVisible()) tree_.RebuildKeepingPosition(tree_.IndexOf(this));
}

void TTreeListNode::Collapse() {
  if (!expanded_) return;
  expanded_ = false;
  tree_.RebuildKeepingPosition(tree_.IndexOf(this));
}

void TTreeListNode::Toggle() {
  if (expanded_) {
    Collapse();
  } else {
    Expand();
  }
}

void TTreeListNode::Exchange(int32_t first, int32_t second) {
  std::swap(children_.at(size_t(first)), children_.at(size_t(second)));
}

bool TTreeListNode::ChildrenVisible() const {
  // The root is never a row, so its own flag does not count.
  for (const TTreeListNode* n = this; n->parent_; n = n->parent_) {
    if (!n->expanded_) return false;
  }
  return true;
}

TTreeList::TTreeList() : root_(*this) {}

void TTreeList::AttachList(VirtualList* list) {
  list_ = list;
  lock_ = 0;
  if (list_) {
    Refresh();
  } else {
    SetRowCount(0);
  }
}

void TTreeList::Clear() {
  root_.ClearChildren();
  Refresh();
}

void TTreeList::Refresh() {
  if (Locked()) {
    pending_ = true;
    return;
  }
  Rebuild();
  Changed();
}

void TTreeList::BeginUpdate() {
  ++lock_;
  pending_ = false;
}

void TTreeList::EndUpdate(const TTreeItem* select) {
  if (lock_ > 0) --lock_;
  if (Locked() || !pending_) return;
  pending_ = false;
  if (!select) {
    Refresh();
    return;
  }
  const int32_t top = list_ ? list_->TopRow() : 0;
  Rebuild();
  Reposition(top, IndexOf(select));
}

void TTreeList::RebuildKeepingPosition(int32_t select) {
  const int32_t top = list_ ? list_->TopRow() : 0;
  Rebuild();
  Reposition(top, select);
}

void TTreeList::InsertEmptyRows(int32_t row, int32_t count) {
  VirtualList& list = CheckList();
  if (count <= 0) return;
  row = std::clamp(row, 0, rowCount_);
  const int32_t old = rowCount_;
  SetRowCount(old + count);
  std::move_backward(rows_.begin() + row, rows_.begin() + old, rows_.begin() + old + count);
  std::fill(rows_.begin() + row, rows_.begin() + row + count, TTreeVisualRow{});
  for (int32_t r = row; r < rowCount_; ++r) rows_[size_t(r)].Row = r;
  list.SetItemCount(rowCount_);
}

bool TTreeList::MoveSelected(int32_t step) {
  VirtualList& list = CheckList();
  std::vector<TTreeItem*> selected;
  for (int32_t r = 0; r < rowCount_; ++r) {
    if (list.IsSelected(r)) selected.push_back(rows_[size_t(r)].Item);
  }
  const auto isSelected = [&](const TTreeItem* item) {
    return std::find(selected.begin(), selected.end(), item) != selected.end();
  };
  // Moving up walks from the top so a block of selected siblings moves as a
  // whole; moving down walks from the bottom for the same reason.
  bool moved = false;
  for (size_t k = 0; k < selected.size(); ++k) {
    TTreeItem* item = selected[step < 0 ? k : selected.size() - 1 - k];
    const TTreeVisualRow& row = rows_[size_t(IndexOf(item))];
    TTreeListNode& parent = *row.Parent;
    const int32_t index = parent.IndexOf(item), neighbour = index + step;
    TTreeItem* other = parent.Items(neighbour);
    if (!other || isSelected(other)) continue;
    parent.Exchange(index, neighbour);
    moved = true;
  }
  if (!moved) return false;
  const int32_t top = list.TopRow();
  Rebuild();
  if (Locked()) return true;
  list.SetTopRow(top);
  if (list.MultiSelect()) {
    list.ClearSelection();
    for (const TTreeItem* item : selected) list.SetSelected(IndexOf(item), true);
  } else {
    list.SetSelectedIndex(IndexOf(selected.front()));
  }
  Changed();
  return true;
}

void TTreeList::Reposition(int32_t top, int32_t select) {
  if (Locked() || !list_) return;
  list_->SetTopRow(top);
  SelectRow(select);
  Changed();
}

namespace {

int32_t CountLeaves(const TTreeListNode& node) {
  int32_t leaves = 0;
  for (int32_t i = 0; i < node.Count(); ++i) {
    const auto* child = dynamic_cast<const TTreeListNode*>(node.Items(i));
    leaves += child ? CountLeaves(*child) : 1;
  }
  return leaves;
}

int32_t CountVisibleRows(const TTreeListNode& node) {
  int32_t rows = node.Count();
  for (int32_t i = 0; i < node.Count(); ++i) {
    const auto* child = dynamic_cast<const TTreeListNode*>(node.Items(i));
    if (child && child->Expanded()) rows += CountVisibleRows(*child);
  }
  return rows;
}

void FillRows(TTreeListNode& node, int32_t level, std::vector<TTreeVisualRow>& rows, int32_t& next) {
  for (int32_t i = 0; i < node.Count(); ++i) {
    TTreeItem* item = node.Items(i);
    rows[size_t(next)] = {&node, item, next, level, i};
    ++next;
    auto* child = dynamic_cast<TTreeListNode*>(item);
    if (child && child->Expanded()) FillRows(*child, level + 1, rows, next);
  }
}

}  // namespace

void TTreeList::Rebuild() {
  if (Locked()) {
    pending_ = true;
    return;
  }
  if (!list_) return;
  leafTotal_ = CountLeaves(root_);
  SetRowCount(CountVisibleRows(root_));
  int32_t next = 0;
  FillRows(root_, 0, rows_, next);
  if (list_->ItemCount() == rowCount_) {
    list_->Repaint();
  } else {
    list_->SetItemCount(rowCount_);
  }
}

void TTreeList::Changed() {
  if (!Locked() && OnChange) OnChange();
}

VirtualList& TTreeList::CheckList() const {
  if (!list_) throw Error(u"checkbox=nil");
  return *list_;
}

void TTreeList::SetRowCount(int32_t count) {
  const int32_t capacity = RowCapacity();
  // Grows with room to spare and gives back room when far too large, so a
  // rebuild after a small change reuses the array.
  int32_t wanted = capacity < count ? count * 5 / 3 : count * 3 / 2;
  wanted = std::max(wanted, 20);
  if (wanted != capacity) rows_.resize(size_t(wanted));
  rowCount_ = count;
}

int32_t TTreeList::IndexOf(const TTreeItem* item, int32_t from) const {
  for (int32_t r = std::max(from, 0); r < rowCount_; ++r) {
    if (rows_[size_t(r)].Item == item) return r;
  }
  return -1;
}

int32_t TTreeList::LastIndexOf(const TTreeItem* item, int32_t from) const {
  if (from < 0 || from >= rowCount_) from = rowCount_ - 1;
  for (int32_t r = from; r >= 0; --r) {
    if (rows_[size_t(r)].Item == item) return r;
  }
  return -1;
}

int32_t TTreeList::RowOfChild(const TTreeListNode& node, int32_t index) const {
  if (!node.ChildrenVisible()) return -1;
  if (index < node.Count()) return IndexOf(node.Items(index));
  // Past the last child: the row right after the node's whole subtree.
  if (const TTreeListNode* parent = node.Parent()) return RowOfChild(*parent, parent->IndexOf(&node) + 1);
  return rowCount_;
}

void TTreeList::SelectRow(int32_t row) {
  VirtualList& list = CheckList();
  row = std::min(row, rowCount_ - 1);
  if (list.MultiSelect()) {
    list.ClearSelection();
    // -1 would select every row of a multi-select list box.
    if (row >= 0) list.SetSelected(row, true);
  } else {
    list.SetSelectedIndex(row);
  }
}

bool TTreeList::IsSelected(int32_t row) const { return list_ && list_->IsSelected(row); }

int32_t TTreeList::SelectedRow() const {
  if (!list_) return -1;
  const int32_t row = list_->SelectedIndex();
  return row >= 0 && row < rowCount_ ? row : -1;
}

TTreeItem* TTreeList::SelectedItem() const {
  const int32_t row = SelectedRow();
  return row < 0 ? nullptr : rows_[size_t(row)].Item;
}

}  // namespace qv
