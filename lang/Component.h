#pragma once
// The portable picture of a window that the translator walks: each control
// with the texts the language file can replace. The Windows side fills it
// from the real controls and writes the translated texts back, so every rule
// of the walk is exercised without a window.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Utf.h"

namespace qv::lang {

// The kinds of component the translators know; Other is any control without
// texts of its own (panels, edits, spin edits), which still owns children.
enum class Kind {
  Component,  // the root of the hierarchy: every kind is one
  Form,
  Label,
  Button,
  GroupBox,
  TabSheet,
  CheckBox,
  ComboBox,
  MenuItem,
  Action,
  BitBtn,  // a button with a glyph: a kind of Button
  SpeedButton,
  RadioGroup,
  Other,
};

// True when a component of kind `kind` is an instance of `base`, directly or
// by inheritance.
constexpr bool IsA(Kind kind, Kind base) {
  return base == Kind::Component || kind == base || (kind == Kind::BitBtn && base == Kind::Button);
}

struct TComponent {
  std::string name;  // the component name: a byte string, compared exactly
  Kind kind = Kind::Other;
  std::u16string caption;
  std::u16string hint;
  bool showHint = false;
  std::vector<std::u16string> items;
  int itemIndex = -1;
  std::vector<std::unique_ptr<TComponent>> owned;  // in creation order

  TComponent& Add(std::string childName, Kind childKind) {
    owned.push_back(std::make_unique<TComponent>());
    TComponent& child = *owned.back();
    child.name = std::move(childName);
    child.kind = childKind;
    // A stored layout carries each control's own name as its caption.
    child.caption = FromUtf8(child.name);
    return child;
  }
  // The child of that name (names are unique among one parent's children,
  // not across the tree); null when there is none.
  const TComponent* Find(std::string_view childName) const {
    for (const auto& child : owned) {
      if (child->name == childName) return child.get();
    }
    return nullptr;
  }
};

}  // namespace qv::lang
