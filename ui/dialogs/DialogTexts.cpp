#include "ui/dialogs/DialogTexts.h"

#include <string>

#include "base/Error.h"

namespace qv::ui::dialogs {
namespace {

void DescribeControls(lang::TComponent& parent, std::span<const TControlText> controls) {
  for (const TControlText& control : controls) {
    lang::TComponent& component = parent.Add(std::string(control.Name), control.Kind);
    component.showHint = control.Kind == lang::Kind::SpeedButton;
    for (int i = 0; i < control.Items; ++i)
      component.items.push_back(component.caption + u"_" + FromUtf8(std::to_string(i)));
  }
}

}  // namespace

void DescribeDialog(lang::TComponent& form, std::string_view formName,
                    std::span<const TControlText> controls) {
  form.name = std::string(formName);
  form.kind = lang::Kind::Form;
  form.caption = FromUtf8(form.name);
  form.owned.clear();
  DescribeControls(form, controls);
}

lang::TComponent& DescribePart(lang::TComponent& parent, std::string_view name, lang::Kind kind,
                               std::span<const TControlText> controls) {
  lang::TComponent& part = parent.Add(std::string(name), kind);
  DescribeControls(part, controls);
  return part;
}

const lang::TComponent& FindComponent(const lang::TComponent& parent, std::string_view name) {
  const lang::TComponent* found = parent.Find(name);
  if (found == nullptr)
    throw Error(u"The window " + FromUtf8(parent.name) + u" has no component " + FromUtf8(std::string(name)) +
                u".");
  return *found;
}

}  // namespace qv::ui::dialogs
