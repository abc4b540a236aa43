#pragma once
// The attached joystick as a tree of rows: the joystick, its axes with their
// positions, its hats with their eight directions, its buttons. Every row
// knows what it shows (RowContent.h) from the engine's live tables; rows
// hold list positions into those tables, never copies of their values.
#include <cstdint>
#include <string>

#include "ui/DrawOps.h"
#include "ui/Icons.h"
#include "ui/TreeList.h"

namespace qv::ui {

// What a row shows of the device besides the engine's tables.
struct TDeviceView {
  virtual ~TDeviceView() = default;
  virtual std::u16string Name() const = 0;
  virtual bool ReadOk() const = 0;          // the last device read succeeded
  virtual bool BindingMissing() const = 0;  // the bound device was not found
};

// Either kind of row, leaf or node: appends what it shows to ops.
class TVisRow {
 public:
  virtual ~TVisRow() = default;
  virtual void Content(TRowOps& ops, const TDeviceView& device) const = 0;
};

class TVisItem : public TTreeItem, public TVisRow {};

class TVisJoystick : public TVisItem {
 public:
  void Content(TRowOps& ops, const TDeviceView& device) const override;
};

class TVisButton : public TVisItem {
 public:
  explicit TVisButton(int button) : button_(button) {}
  int Button() const { return button_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int button_;
};

class TVisPos : public TVisItem {
 public:
  TVisPos(int axis, int32_t position) : axis_(axis), position_(position) {}
  int Axis() const { return axis_; }
  int32_t Position() const { return position_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int axis_;
  int32_t position_;  // 1-based
};

class TVisHatPos : public TVisItem {
 public:
  TVisHatPos(int hat, uint8_t direction) : hat_(hat), direction_(direction) {}
  int Hat() const { return hat_; }
  uint8_t Direction() const { return direction_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int hat_;
  uint8_t direction_;
};

class TVisNode : public TTreeListNode, public TVisRow {
 public:
  using TTreeListNode::TTreeListNode;
};

class TSubtitleNode : public TVisNode {
 public:
  // text refers into Captions, which is filled after the tree is built.
  TSubtitleNode(TTreeList& tree, const std::u16string& text, TIcon icon)
      : TVisNode(tree), text_(text), icon_(icon) {}
  const std::u16string& Text() const { return text_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  const std::u16string& text_;
  TIcon icon_;
};

class TVisAxis : public TVisNode {
 public:
  TVisAxis(TTreeList& tree, int axis) : TVisNode(tree), axis_(axis) {}
  int Axis() const { return axis_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int axis_;
};

class TVisHat : public TVisNode {
 public:
  TVisHat(TTreeList& tree, int hat) : TVisNode(tree), hat_(hat) {}
  int Hat() const { return hat_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int hat_;
};

class TFolderNode : public TVisNode {
 public:
  using TVisNode::TVisNode;
  void Content(TRowOps& ops, const TDeviceView& device) const override;
};

class TAxisDirectNode : public TFolderNode {
 public:
  TAxisDirectNode(TTreeList& tree, int axis) : TFolderNode(tree), axis_(axis) {}
  int Axis() const { return axis_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int axis_;
};

class THatDirectNode : public TFolderNode {
 public:
  THatDirectNode(TTreeList& tree, int hat) : TFolderNode(tree), hat_(hat) {}
  int Hat() const { return hat_; }
  void Content(TRowOps& ops, const TDeviceView& device) const override;

 private:
  int hat_;
};

// Fills the tree from the engine's device lists; the position rows follow
// with RebuildPositionRows. The tree must be empty.
void BuildControlTree(TTreeList& tree);
// Gives every evaluated axis one row per position, as its tracker says now.
void RebuildPositionRows(TTreeList& tree);
// The same inside one update of the tree, so the selected row stays selected
// and the list keeps its scroll position; run whenever polling starts.
void RebuildPositionRowsKeepingSelection(TTreeList& tree);

// What a double-click (or Enter) on a row opens or does.
enum class TRowCommand : uint8_t {
  None,
  Compatibility,
  ToggleFolder,
  AxisSettings,
  PosSettings,
  HatPosSettings,
  ButtonSettings,
};
struct TRowAction {
  TRowCommand Command = TRowCommand::None;
  int Control = -1;     // axis, hat or button list position
  int32_t Detail = -1;  // position (1-based) or hat direction
};
TRowAction RowActionFor(const TTreeItem* item);

}  // namespace qv::ui
