#pragma once
// An ordered tree shown through a flat virtual list box. The tree keeps the
// array of rows visible right now, so the list only needs the row count and,
// when it paints, the record of one row. It knows nothing of joysticks.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/TreeIterator.h"
#include "ui/VirtualList.h"

namespace qv {

class TTreeList;

// A leaf is any item that is not a node; the tree owns its items.
class TTreeItem {
 public:
  virtual ~TTreeItem() = default;
};

class TTreeListNode : public TTreeItem {
 public:
  explicit TTreeListNode(TTreeList& tree) : tree_(tree) {}
  TTreeListNode(const TTreeListNode&) = delete;
  TTreeListNode& operator=(const TTreeListNode&) = delete;

  // Constructs an item under this node at index (-1 = end) and returns it.
  template <class T, class... Args>
  T& Create(int32_t index, Args&&... args) {
    auto owned = std::make_unique<T>(std::forward<Args>(args)...);
    T& item = *owned;
    Insert(index, std::move(owned));
    return item;
  }
  // Constructs a node of class T as the last child, in this node's tree.
  template <class T, class... Args>
  T& CreateLastChild(Args&&... args) {
    return Create<T>(-1, tree_, std::forward<Args>(args)...);
  }

  virtual void ExpandPath();
  virtual void MakeChildrenVisible();
  void Add(std::unique_ptr<TTreeItem> item) { Insert(-1, std::move(item)); }
  virtual void Insert(int32_t index, std::unique_ptr<TTreeItem> item);
  virtual void Delete(int32_t index);
  virtual void Refresh();
  std::unique_ptr<TTreeIterator> GetIterator(TIterFilter filter, bool backwards);

  int32_t Count() const { return int32_t(children_.size()); }
  TTreeItem* Items(int32_t index) const;
  int32_t IndexOf(const TTreeItem* item) const;
  TTreeListNode* Parent() const { return parent_; }
  TTreeList& Tree() const { return tree_; }
  bool Expanded() const { return expanded_; }
  void Expand();
  void Collapse();
  void Toggle();
  // This node is expanded and so is every ancestor below the root.
  bool ChildrenVisible() const;
  void ClearChildren() { children_.clear(); }
  // Swaps two children in place; the caller rebuilds.
  void Exchange(int32_t first, int32_t second);

 private:
  TTreeList& tree_;
  TTreeListNode* parent_ = nullptr;
  bool expanded_ = false;
  std::vector<std::unique_ptr<TTreeItem>> children_;
};

struct TTreeVisualRow {
  TTreeListNode* Parent = nullptr;
  TTreeItem* Item = nullptr;
  int32_t Row = 0;
  int32_t Level = 0;
  int32_t Index = 0;
};

class TTreeList {
 public:
  TTreeList();
  virtual ~TTreeList() = default;
  TTreeList(const TTreeList&) = delete;
  TTreeList& operator=(const TTreeList&) = delete;

  TTreeListNode& Root() { return root_; }
  void AttachList(VirtualList* list);
  void Clear();
  void Refresh();
  void BeginUpdate();
  // Ends one update level; the last one runs a pending rebuild, keeping the
  // scroll position and selecting the row of select when it is given.
  void EndUpdate(const TTreeItem* select = nullptr);
  bool Locked() const { return lock_ > 0; }
  void MarkPending() { pending_ = true; }

  int32_t RowCount() const { return rowCount_; }
  int32_t RowCapacity() const { return int32_t(rows_.size()); }
  int32_t LeafTotal() const { return leafTotal_; }
  const TTreeVisualRow& Row(int32_t row) const { return rows_.at(size_t(row)); }
  int32_t IndexOf(const TTreeItem* item, int32_t from = 0) const;
  int32_t LastIndexOf(const TTreeItem* item, int32_t from = -1) const;
  // Where node's i-th child is, or would appear if inserted; -1 when hidden.
  int32_t RowOfChild(const TTreeListNode& node, int32_t index) const;
  void SelectRow(int32_t row);
  bool IsSelected(int32_t row) const;
  int32_t SelectedRow() const;
  TTreeItem* SelectedItem() const;
  bool HasList() const { return list_ != nullptr; }
  // Rebuilds, puts the list back at its scroll position and selects row.
  void RebuildKeepingPosition(int32_t select);
  // Makes room for count rows at row for a caller that fills their records
  // itself before the next rebuild; later records move down.
  void InsertEmptyRows(int32_t row, int32_t count);
  // Swap each selected item with its unselected neighbour among the same
  // parent's children, keep those items selected and rebuild; false when
  // nothing could move.
  bool MoveSelectedUp() { return MoveSelected(-1); }
  bool MoveSelectedDown() { return MoveSelected(+1); }

  std::function<void()> OnChange;

 protected:
  virtual void Rebuild();
  virtual void Changed();
  VirtualList& CheckList() const;

 private:
  void SetRowCount(int32_t count);
  void Reposition(int32_t top, int32_t select);
  bool MoveSelected(int32_t step);

  TTreeListNode root_;
  VirtualList* list_ = nullptr;
  int32_t lock_ = 0;
  bool pending_ = false;
  int32_t leafTotal_ = 0;
  int32_t rowCount_ = 0;
  std::vector<TTreeVisualRow> rows_;
};

}  // namespace qv
