#include "ui/TreeList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Error.h"
#include "tests/ui/FakeList.h"

namespace qv {
namespace {

struct Leaf : TTreeItem {
  explicit Leaf(std::string n) : name(std::move(n)) {}
  std::string name;
};

struct Node : TTreeListNode {
  Node(TTreeList& tree, std::string n) : TTreeListNode(tree), name(std::move(n)) {}
  std::string name;
};

std::string NameOf(const TTreeItem* item) {
  if (auto* n = dynamic_cast<const Node*>(item)) return n->name;
  if (auto* l = dynamic_cast<const Leaf*>(item)) return l->name;
  return "?";
}

// Rows as "name/level/index" so a layout reads at a glance.
std::vector<std::string> Rows(const TTreeList& tree) {
  std::vector<std::string> out;
  for (int32_t r = 0; r < tree.RowCount(); ++r) {
    const TTreeVisualRow& row = tree.Row(r);
    EXPECT_EQ(row.Row, r);
    EXPECT_EQ(row.Parent->Items(row.Index), row.Item);
    out.push_back(NameOf(row.Item) + "/" + std::to_string(row.Level) + "/" + std::to_string(row.Index));
  }
  return out;
}

// Root: A(node: a1, a2), B.
struct SmallTree : ::testing::Test {
  TTreeList tree;
  test::FakeList list;
  Node* a = nullptr;
  void SetUp() override {
    a = &tree.Root().CreateLastChild<Node>("A");
    a->Create<Leaf>(-1, "a1");
    a->Create<Leaf>(-1, "a2");
    tree.Root().Create<Leaf>(-1, "B");
    tree.AttachList(&list);
  }
};

TEST(TreeListRows, EmptyTreeHasNoRowsAndTheMinimumCapacity) {
  TTreeList tree;
  test::FakeList list;
  tree.AttachList(&list);
  EXPECT_EQ(tree.RowCount(), 0);
  EXPECT_EQ(tree.RowCapacity(), 20);
  EXPECT_THROW(TTreeList().SelectRow(0), Error);
}

TEST(TreeListRows, CapacityGrowsWithRoomAndShrinksWhenFarTooLarge) {
  struct Step {
    int leaves, capacity;
  };
  const Step steps[] = {{30, 50}, {10, 20}, {100, 166}, {100, 150}, {90, 135}};
  TTreeList tree;
  test::FakeList list;
  tree.AttachList(&list);
  for (const Step& s : steps) {
    tree.BeginUpdate();
    tree.Clear();
    for (int i = 0; i < s.leaves; ++i) tree.Root().Create<Leaf>(-1, "x");
    tree.EndUpdate();
    EXPECT_EQ(tree.RowCount(), s.leaves);
    EXPECT_EQ(tree.RowCapacity(), s.capacity) << s.leaves;
  }
}

TEST_F(SmallTree, RowsArePreOrderAndCollapsedChildrenHaveNone) {
  EXPECT_EQ(Rows(tree), (std::vector<std::string>{"A/0/0", "B/0/1"}));
  EXPECT_EQ(tree.LeafTotal(), 3);
  a->Expand();
  EXPECT_EQ(Rows(tree), (std::vector<std::string>{"A/0/0", "a1/1/0", "a2/1/1", "B/0/1"}));
  EXPECT_EQ(tree.SelectedItem(), a);
  a->Collapse();
  EXPECT_EQ(tree.RowCount(), 2);
}

TEST_F(SmallTree, ExpandingUnderACollapsedParentOnlySetsTheFlag) {
  Node& inner = a->CreateLastChild<Node>("inner");
  inner.Create<Leaf>(-1, "deep");
  const int before = list.updates;
  inner.Expand();
  EXPECT_TRUE(inner.Expanded());
  EXPECT_EQ(list.updates, before);
  a->Expand();
  EXPECT_EQ(Rows(tree),
            (std::vector<std::string>{"A/0/0", "a1/1/0", "a2/1/1", "inner/1/2", "deep/2/0", "B/0/1"}));

  // Expanding again changes nothing, not even the selection.
  tree.SelectRow(5);
  const int settled = list.updates;
  a->Expand();
  EXPECT_EQ(list.updates, settled);
  EXPECT_EQ(list.SelectedIndex(), 5);
}

TEST_F(SmallTree, InsertSelectsTheNewRowWhereverItLands) {
  a->Expand();
  list.SetTopRow(1);
  tree.Root().Create<Leaf>(-1, "C");  // -1 appends
  EXPECT_EQ(NameOf(tree.Root().Items(2)), "C");
  EXPECT_EQ(tree.SelectedRow(), 4);
  EXPECT_EQ(list.TopRow(), 1);
  // At the end of an expanded node: the row right after its subtree.
  a->Create<Leaf>(-1, "a3");
  EXPECT_EQ(NameOf(tree.SelectedItem()), "a3");
  EXPECT_EQ(tree.RowOfChild(*a, a->Count()), 4);
  // Into a collapsed node: no row, nothing rebuilt.
  a->Collapse();
  const int before = list.updates;
  a->Create<Leaf>(0, "a0");
  EXPECT_EQ(list.updates, before);
  EXPECT_EQ(tree.RowOfChild(*a, 0), -1);
}

TEST_F(SmallTree, OneRebuildForAWholeUpdateWithTheGivenItemSelected) {
  a->Expand();
  const int before = list.updates;
  int changes = 0;
  tree.OnChange = [&] { ++changes; };
  tree.BeginUpdate();
  tree.Root().Create<Leaf>(0, "first");
  Leaf& wanted = a->Create<Leaf>(1, "wanted");
  tree.Root().Create<Leaf>(-1, "last");
  EXPECT_EQ(list.updates, before);
  tree.EndUpdate(&wanted);
  EXPECT_EQ(list.updates, before + 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(NameOf(tree.SelectedItem()), "wanted");
}

TEST_F(SmallTree, SelectRowClampsToTheLastRow) {
  tree.SelectRow(99);
  EXPECT_EQ(tree.SelectedRow(), 1);

  test::FakeList multi(true);
  tree.AttachList(&multi);
  tree.SelectRow(1);
  tree.SelectRow(-1);
  EXPECT_EQ(multi.SelectedCount(), 0u);
  tree.AttachList(nullptr);
  EXPECT_EQ(tree.RowCount(), 0);
  EXPECT_EQ(tree.SelectedItem(), nullptr);
}

TEST_F(SmallTree, EmptyRowsNeedAListAndPushLaterRowsDown) {
  TTreeList detached;
  EXPECT_THROW(detached.InsertEmptyRows(0, 1), Error);
  tree.InsertEmptyRows(1, 2);
  EXPECT_EQ(list.ItemCount(), 4);
  EXPECT_EQ(tree.Row(1).Item, nullptr);
  EXPECT_EQ(NameOf(tree.Row(3).Item), "B");
  EXPECT_EQ(tree.Row(3).Row, 3);
}

// Moves among the children of one parent: A(a1, a2), B, C with A expanded.
TEST(TreeListMoves, SelectedSiblingsSwapWithUnselectedNeighboursAndStaySelected) {
  struct Case {
    bool up;
    std::vector<std::string> select;
    bool moved;
    std::vector<std::string> order;  // the rows afterwards
  };
  const Case cases[] = {
      {true, {"B"}, true, {"B", "A", "a1", "a2", "C"}},
      {true, {"a2"}, true, {"A", "a2", "a1", "B", "C"}},
      {true, {"a1"}, false, {"A", "a1", "a2", "B", "C"}},  // never out of its parent
      {true, {"B", "C"}, true, {"B", "C", "A", "a1", "a2"}},
      {true, {"A", "B"}, false, {"A", "a1", "a2", "B", "C"}},
      {false, {"A", "C"}, true, {"B", "A", "a1", "a2", "C"}},
      {false, {"A", "B"}, true, {"C", "A", "a1", "a2", "B"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.select) + (c.up ? " up" : " down"));
    TTreeList tree;
    test::FakeList list(true);
    Node& a = tree.Root().CreateLastChild<Node>("A");
    for (const char* name : {"a1", "a2"}) a.Create<Leaf>(-1, name);
    for (const char* name : {"B", "C"}) tree.Root().Create<Leaf>(-1, name);
    tree.AttachList(&list);
    a.Expand();
    list.ClearSelection();  // expanding selected A
    const auto rowNamed = [&](const std::string& name) {
      for (int32_t r = 0; r < tree.RowCount(); ++r) {
        if (NameOf(tree.Row(r).Item) == name) return r;
      }
      return -1;
    };
    for (const std::string& name : c.select) list.SetSelected(rowNamed(name), true);
    EXPECT_EQ(c.up ? tree.MoveSelectedUp() : tree.MoveSelectedDown(), c.moved);
    std::vector<std::string> order;
    for (int32_t r = 0; r < tree.RowCount(); ++r) order.push_back(NameOf(tree.Row(r).Item));
    EXPECT_EQ(order, c.order);
    for (const std::string& name : c.select) EXPECT_TRUE(list.IsSelected(rowNamed(name))) << name;
    EXPECT_EQ(list.SelectedCount(), c.select.size());
  }
}

std::vector<std::string> Walk(TTreeListNode& start, TIterFilter filter, bool backwards) {
  std::vector<std::string> out;
  auto it = start.GetIterator(filter, backwards);
  TTreeItem* item = nullptr;
  for (;;) {
    const TIterKind kind = it->Next(item);
    if (kind == TIterKind::End) {
      EXPECT_EQ(item, nullptr);
      out.push_back("end(3)");
      return out;
    }
    out.push_back(NameOf(item) + "(" + std::to_string(int(kind)) + ")");
  }
}

TEST_F(SmallTree, IteratorsWalkTheWholeSubtreeWhateverIsExpanded) {
  EXPECT_EQ(Walk(tree.Root(), TIterFilter::All(), true),
            (std::vector<std::string>{"B(0)", "A(1)", "a2(0)", "a1(0)", "A(2)", "end(3)"}));
  EXPECT_EQ(Walk(tree.Root(), TIterFilter::All(), false),
            (std::vector<std::string>{"A(1)", "a1(0)", "a2(0)", "A(2)", "B(0)", "end(3)"}));
  EXPECT_EQ(Walk(tree.Root(), {TIterKind::Leave}, false), (std::vector<std::string>{"A(2)", "end(3)"}));
  EXPECT_EQ(Walk(*a, {TIterKind::Leaf}, true), (std::vector<std::string>{"a2(0)", "a1(0)", "end(3)"}));
}

TEST(TreeIterators, DeepTreesGrowTheStack) {
  TTreeList tree;
  TTreeListNode* node = &tree.Root();
  for (int depth = 0; depth < 50; ++depth) node = &node->CreateLastChild<Node>("n");
  auto it = tree.Root().GetIterator({TIterKind::Leave}, false);
  TTreeItem* item = nullptr;
  int leaves = 0;
  while (it->Next(item) != TIterKind::End) ++leaves;
  EXPECT_EQ(leaves, 50);
}

}  // namespace
}  // namespace qv
