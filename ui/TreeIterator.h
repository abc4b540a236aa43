#pragma once
// Walks a node's whole subtree, forwards or backwards, whatever is expanded.
// A node is reported twice: when it is entered, before its children, and when
// it is left, after its last child.
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace qv {

class TTreeItem;
class TTreeListNode;

enum class TIterKind : uint8_t { Leaf = 0, Enter = 1, Leave = 2, End = 3 };

// A set of kinds; End is always part of it so a filtered walk terminates.
class TIterFilter {
 public:
  constexpr TIterFilter(std::initializer_list<TIterKind> kinds) {
    for (TIterKind k : kinds) bits_ |= Bit(k);
  }
  static constexpr TIterFilter All() { return {TIterKind::Leaf, TIterKind::Enter, TIterKind::Leave}; }
  constexpr bool Has(TIterKind k) const { return (bits_ | Bit(TIterKind::End)) & Bit(k); }

 private:
  static constexpr uint8_t Bit(TIterKind k) { return uint8_t(1u << uint8_t(k)); }
  uint8_t bits_ = 0;
};

class TTreeIterator {
 public:
  TTreeIterator(TTreeListNode& start, TIterFilter filter, int32_t startIndex);
  virtual ~TTreeIterator() = default;
  TTreeIterator(const TTreeIterator&) = delete;
  TTreeIterator& operator=(const TTreeIterator&) = delete;

  // The next item whose kind passes the filter; item is null at the end.
  TIterKind Next(TTreeItem*& item);
  int32_t Index() const { return index_; }

 protected:
  virtual TIterKind Step(TTreeItem*& item) = 0;
  // Descends into child, which sits at index_ of the current node.
  void Enter(TTreeListNode& child, int32_t startIndex);
  // Returns to the parent level: item becomes the node being left and index_
  // its place in the parent. False when the start node itself is finished.
  bool Leave(TTreeItem*& item);

  TTreeListNode* node_;
  int32_t index_;

 private:
  std::vector<std::pair<TTreeListNode*, int32_t>> stack_;
  TIterFilter filter_;
};

class TFwdIterator : public TTreeIterator {
 public:
  TFwdIterator(TTreeListNode& start, TIterFilter filter);

 protected:
  TIterKind Step(TTreeItem*& item) override;
};

class TBackIterator : public TTreeIterator {
 public:
  TBackIterator(TTreeListNode& start, TIterFilter filter);

 protected:
  TIterKind Step(TTreeItem*& item) override;
};

}  // namespace qv
