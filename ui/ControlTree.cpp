#include "ui/ControlTree.h"

#include <algorithm>

#include "engine/Profile.h"
#include "ui/Captions.h"

namespace qv::ui {

void BuildControlTree(TTreeList& tree) {
  TTreeListNode& root = tree.Root();
  root.Create<TVisJoystick>(-1);
  // A heading is left out when it would head nothing.
  if (JoyAxisCount > 0) {
    auto& axes = root.CreateLastChild<TSubtitleNode>(Captions.CaptionAxes, TIcon::Folder);
    axes.Expand();
    for (int a = 0; a < JoyAxisCount; ++a) axes.CreateLastChild<TVisAxis>(a).Expand();
  }
  if (JoyHatCount > 0) {
    auto& hats = root.CreateLastChild<TSubtitleNode>(Captions.CaptionHats, TIcon::Folder);
    hats.Expand();
    for (int h = 0; h < JoyHatCount; ++h) {
      auto& hat = hats.CreateLastChild<TVisHat>(h);
      hat.Expand();
      auto& directions = hat.CreateLastChild<THatDirectNode>(h);
      for (uint8_t d = 0; d < HatDirections; ++d) directions.Create<TVisHatPos>(-1, h, d);
    }
  }
  if (JoyButtonCount > 0) {
    auto& buttons = root.CreateLastChild<TSubtitleNode>(Captions.CaptionButtons, TIcon::Folder);
    buttons.Expand();
    for (int b = 0; b < JoyButtonCount; ++b) buttons.Create<TVisButton>(-1, b);
  }
}

namespace {

TVisAxis* FindAxisRow(TTreeList& tree, int axis) {
  auto it = tree.Root().GetIterator({TIterKind::Enter}, false);
  TTreeItem* item = nullptr;
  while (it->Next(item) != TIterKind::End) {
    auto* row = dynamic_cast<TVisAxis*>(item);
    if (row && row->Axis() == axis) return row;
  }
  return nullptr;
}

void Empty(TTreeListNode& node) {
  if (node.Count() == 0) return;
  node.ClearChildren();
  node.Refresh();
}

void RebuildAxisPositions(TVisAxis& row) {
  const int a = row.Axis();
  if (!AxisTrackers[size_t(a)].Active) {
    Empty(row);
    return;
  }
  auto* folder = dynamic_cast<TAxisDirectNode*>(row.Items(0));
  if (!folder) {
    Empty(row);
    folder = &row.CreateLastChild<TAxisDirectNode>(a);
  }
  const int32_t count = ProfileAxes[size_t(a)].PosCount;
  if (folder->Count() == count) return;
  Empty(*folder);
  for (int32_t p = 1; p <= count; ++p) folder->Create<TVisPos>(-1, a, p);
}

// The row that stands for (axis, position) after the position rows were
// made anew: the same position, else the last one left, else the folder,
// else the axis itself. Position 0 asks for the folder.
const TTreeItem* PositionRowOf(TTreeList& tree, int axis, int32_t position) {
  TVisAxis* row = FindAxisRow(tree, axis);
  auto* folder = row ? dynamic_cast<TAxisDirectNode*>(row->Items(0)) : nullptr;
  if (!folder) return row;
  if (position <= 0 || folder->Count() == 0) return folder;
  return folder->Items(std::min(position, folder->Count()) - 1);
}

}  // namespace

void RebuildPositionRows(TTreeList& tree) {
  for (int a = 0; a < JoyAxisCount; ++a) {
    if (TVisAxis* row = FindAxisRow(tree, a)) RebuildAxisPositions(*row);
  }
}

void RebuildPositionRowsKeepingSelection(TTreeList& tree) {
  const TTreeItem* selected = tree.SelectedItem();
  // Position rows may be made anew, so a selected one is remembered by what
  // it stands for rather than by its address.
  int axis = -1;
  int32_t position = 0;
  if (auto* pos = dynamic_cast<const TVisPos*>(selected)) {
    axis = pos->Axis();
    position = pos->Position();
  } else if (auto* folder = dynamic_cast<const TAxisDirectNode*>(selected)) {
    axis = folder->Axis();
  }
  tree.BeginUpdate();
  RebuildPositionRows(tree);
  if (axis >= 0) selected = PositionRowOf(tree, axis, position);
  tree.EndUpdate(selected);
}

TRowAction RowActionFor(const TTreeItem* item) {
  if (dynamic_cast<const TVisJoystick*>(item)) return {TRowCommand::Compatibility};
  if (dynamic_cast<const TFolderNode*>(item)) return {TRowCommand::ToggleFolder};
  if (auto* axis = dynamic_cast<const TVisAxis*>(item)) {
    if (!AxisTrackers[size_t(axis->Axis())].Active) return {};
    return {TRowCommand::AxisSettings, axis->Axis()};
  }
  if (auto* pos = dynamic_cast<const TVisPos*>(item))
    return {TRowCommand::PosSettings, pos->Axis(), pos->Position()};
  if (auto* dir = dynamic_cast<const TVisHatPos*>(item))
    return {TRowCommand::HatPosSettings, dir->Hat(), dir->Direction()};
  if (auto* button = dynamic_cast<const TVisButton*>(item))
    return {TRowCommand::ButtonSettings, button->Button()};
  return {};
}

}  // namespace qv::ui
