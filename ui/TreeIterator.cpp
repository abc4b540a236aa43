#include "ui/TreeIterator.h"

#include "ui/TreeList.h"

namespace qv {

TTreeIterator::TTreeIterator(TTreeListNode& start, TIterFilter filter, int32_t startIndex)
    : node_(&start), index_(startIndex), filter_(filter) {
  stack_.reserve(10);
}

TIterKind TTreeIterator::Next(TTreeItem*& item) {
  TIterKind kind;
  do kind = Step(item);
  while (!filter_.Has(kind));
  return kind;
}

void TTreeIterator::Enter(TTreeListNode& child, int32_t startIndex) {
  stack_.emplace_back(node_, index_);
  node_ = &child;
  index_ = startIndex;
}

bool TTreeIterator::Leave(TTreeItem*& item) {
  if (stack_.empty()) return false;
  item = node_;
  node_ = stack_.back().first;
  index_ = stack_.back().second;
  stack_.pop_back();
  return true;
}

TFwdIterator::TFwdIterator(TTreeListNode& start, TIterFilter filter) : TTreeIterator(start, filter, 0) {}

TIterKind TFwdIterator::Step(TTreeItem*& item) {
  if (index_ < node_->Count()) {
    item = node_->Items(index_);
    if (auto* child = dynamic_cast<TTreeListNode*>(item)) {
      Enter(*child, 0);
      return TIterKind::Enter;
    }
    ++index_;
    return TIterKind::Leaf;
  }
  if (Leave(item)) {
    ++index_;
    return TIterKind::Leave;
  }
  item = nullptr;
  return TIterKind::End;
}

TBackIterator::TBackIterator(TTreeListNode& start, TIterFilter filter)
    : TTreeIterator(start, filter, start.Count()) {}

TIterKind TBackIterator::Step(TTreeItem*& item) {
  if (index_ > 0) {
    item = node_->Items(--index_);
    if (auto* child = dynamic_cast<TTreeListNode*>(item)) {
      Enter(*child, child->Count());
      return TIterKind::Enter;
    }
    return TIterKind::Leaf;
  }
  if (Leave(item)) return TIterKind::Leave;
  item = nullptr;
  index_ = -1;
  return TIterKind::End;
}

}  // namespace qv
