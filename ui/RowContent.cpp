// What each row of the control list shows, read from the engine's tables at
// every paint. Run-time fields the poll thread writes are read with RtLoad.
#include <string>

#include "engine/KeyOutput.h"
#include "engine/Profile.h"
#include "lang/SafeFormat.h"
#include "ui/Captions.h"
#include "ui/ControlTree.h"

namespace qv::ui {
namespace {

using lang::SafeFormat;

void AddIcon(TRowOps& ops, TIcon icon) { ops.push_back({TDrawKind::Icon, icon, {}}); }
void AddText(TRowOps& ops, std::u16string text) {
  ops.push_back({TDrawKind::Text, TIcon::Folder, std::move(text)});
}

std::u16string Number(int64_t value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

void KeyAction(TRowOps& ops, const TKeyAction& action, TIcon icon) {
  if (action.Empty()) return;
  ops.push_back({TDrawKind::IndentedIcon, icon, {}});
  std::u16string text = ActionText(action);
  if (action.Repeat > 1) text = SafeFormat(Captions.KeyMultiple, {std::move(text), int64_t(action.Repeat)});
  AddText(ops, std::move(text));
}

void EventBlock(TRowOps& ops, const TKeyEvents& events) {
  KeyAction(ops, events.Press, TIcon::Press);
  KeyAction(ops, events.Hold, TIcon::Hold);
  KeyAction(ops, events.Release, TIcon::Release);
}

void FolderContent(TRowOps& ops, bool expanded) {
  AddIcon(ops, expanded ? TIcon::Expanded : TIcon::Collapsed);
  AddText(ops, Captions.CaptionDirect);
}

// The user's name for the axis, else the device's. The joystick settings
// are kept by the axis's instance number, not by its place in the list.
const std::u16string& AxisName(int a) {
  const TJoyControlData& device = JoyAxes[size_t(a)];
  if (device.Index < 0 || device.Index >= MaxAxes) return device.Name;
  const std::u16string& own = JoySettings.Axes[size_t(device.Index)].Name;
  return own.empty() ? device.Name : own;
}

bool Pressed(int b) {
  const int32_t* slot = JoyButtons[size_t(b)].Value;
  return slot && RtLoad(*slot) != 0;
}

}  // namespace

void TVisJoystick::Content(TRowOps& ops, const TDeviceView& device) const {
  if (device.ReadOk()) {
    AddIcon(ops, CompatibilityInUse() ? TIcon::Compat : TIcon::Btn1);
  } else {
    AddIcon(ops, TIcon::Cross);
  }
  if (device.BindingMissing()) AddIcon(ops, TIcon::Exclamation);
  AddText(ops, device.Name());
}

void TSubtitleNode::Content(TRowOps& ops, const TDeviceView&) const {
  AddIcon(ops, icon_);
  AddText(ops, text_);
}

void TVisAxis::Content(TRowOps& ops, const TDeviceView&) const {
  const size_t a = size_t(axis_);
  if (!AxisTrackers[a].Active) {
    AddIcon(ops, TIcon::Cross);
    AddText(ops, AxisName(axis_));
    return;
  }
  const TProfileAxis& axis = ProfileAxes[a];
  const int32_t current = RtLoad(axis.CurrentPos);
  AddIcon(ops, !RtLoad(axis.Synced) && current != axis.InitialPos ? TIcon::Park : TIcon::Axis);
  AddText(ops, Captions.AxisTemplate1);
  ops.push_back({TDrawKind::ToggleBold, TIcon::Folder, {}});
  AddText(ops, SafeFormat(Captions.AxisTemplate2, {int64_t(current), int64_t(axis.PosCount)}));
  ops.push_back({TDrawKind::ToggleBold, TIcon::Folder, {}});
  AddText(ops, SafeFormat(Captions.AxisTemplate3, {AxisName(axis_), int64_t(JoyAxes[a].Index)}));
  KeyAction(ops, axis.Up, TIcon::Plus);
  KeyAction(ops, axis.Down, TIcon::Minus);
}

void TFolderNode::Content(TRowOps& ops, const TDeviceView&) const { FolderContent(ops, Expanded()); }

void TAxisDirectNode::Content(TRowOps& ops, const TDeviceView&) const {
  FolderContent(ops, Expanded());
  // The marks say what is inside while the rows themselves are hidden.
  if (Expanded()) return;
  ops.push_back({TDrawKind::HalfGap, TIcon::Folder, {}});
  const TProfileAxis& axis = ProfileAxes[size_t(axis_)];
  if (axis.Remapped) AddIcon(ops, TIcon::Chart);
  if (axis.HasPosKeys) AddIcon(ops, TIcon::Press);
}

void THatDirectNode::Content(TRowOps& ops, const TDeviceView&) const {
  FolderContent(ops, Expanded());
  if (Expanded()) return;
  ops.push_back({TDrawKind::HalfGap, TIcon::Folder, {}});
  if (ProfileHats[size_t(hat_)].HasKeys) AddIcon(ops, TIcon::Press);
}

void TVisPos::Content(TRowOps& ops, const TDeviceView&) const {
  const size_t a = size_t(axis_);
  const TProfileAxis& axis = ProfileAxes[a];
  const bool parking = !RtLoad(axis.Synced) && position_ == axis.InitialPos;
  if (position_ == RtLoad(axis.CurrentPos)) {
    if (RtLoad(AxisTrackers[a].OutOfRange)) {
      AddIcon(ops, TIcon::Btn2);
    } else {
      AddIcon(ops, parking ? TIcon::ParkOk : TIcon::Btn1);
    }
  } else {
    AddIcon(ops, parking ? TIcon::Park : TIcon::Btn0);
  }
  AddText(ops, Number(position_));
  const TAxisPosition& pos = axis.Positions[size_t(position_ - 1)];
  if (axis.Remapped) {
    ops.push_back({TDrawKind::IndentedIcon, TIcon::Chart, {}});
    AddText(ops, Number(pos.UserIndex));
  }
  EventBlock(ops, pos.Events);
}

void TVisHat::Content(TRowOps& ops, const TDeviceView&) const {
  AddIcon(ops, HatIcon(RtLoad(HatCurrentDir[size_t(hat_)]), true));
  AddText(ops, JoyHats[size_t(hat_)].Name);
}

void TVisHatPos::Content(TRowOps& ops, const TDeviceView&) const {
  AddIcon(ops, HatIcon(direction_, RtLoad(HatCurrentDir[size_t(hat_)]) == direction_));
  EventBlock(ops, ProfileHats[size_t(hat_)].Directions[direction_]);
}

void TVisButton::Content(TRowOps& ops, const TDeviceView&) const {
  const TProfileButton& button = ProfileButtons[size_t(button_)];
  const bool pressed = Pressed(button_);
  if (RtLoad(button.Synced)) {
    AddIcon(ops, pressed ? TIcon::Btn1 : TIcon::Btn0);
  } else {
    // None and Release both park the button released.
    AddIcon(ops, pressed == (button.ParkPos == ppPress) ? TIcon::ParkOk : TIcon::Park);
  }
  AddText(ops, JoyButtons[size_t(button_)].Name);
  EventBlock(ops, button.Events);
}

void ExecuteRow(const TRowOps& ops, TRowCanvas& canvas, const TRowBox& box) {
  const int height = box.Bottom - box.Top;
  int x = box.Left + 3 + box.Level * (height * 3 / 4);
  bool bold = box.BoldFont;
  for (const TDrawOp& op : ops) {
    switch (op.Kind) {
      case TDrawKind::IndentedIcon:
        x += height;
        [[fallthrough]];
      case TDrawKind::Icon: {
        if (x >= box.Right) break;
        const TIconInfo& info = IconInfo(op.Icon);
        canvas.DrawIcon(x, (box.Top + box.Bottom + 1 - info.Height) / 2, op.Icon);
        x += info.Width + 3;
        break;
      }
      case TDrawKind::Text:
        if (x >= box.Right) break;
        canvas.DrawText(x, op.Text);
        x += canvas.TextWidth(op.Text);
        break;
      case TDrawKind::ToggleBold:
        bold = !bold;
        canvas.SetBold(bold);
        break;
      case TDrawKind::HalfGap:
        x += height / 2;
        break;
    }
  }
  if (bold != box.BoldFont) canvas.SetBold(box.BoldFont);
}

}  // namespace qv::ui
