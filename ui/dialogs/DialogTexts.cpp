#include "ui/dialogs/DialogTexts.h"

#include <string>

namespace qv::ui::dialogs {

void DescribeDialog(lang::TComponent& form, std::string_view formName,
                    std::span<const TControlText> controls) {
  form.name = std::string(formName);
  form.kind = lang::Kind::Form;
  form.caption = FromUtf8(form.name);
  form.owned.clear();
  for (const TControlText& control : controls) {
    lang::TComponent& component = form.Add(std::string(control.Name), control.Kind);
    component.showHint = control.Kind == lang::Kind::SpeedButton;
    for (int i = 0; i < control.Items; ++i)
      component.items.push_back(component.caption + u"_" + FromUtf8(std::to_string(i)));
  }
}

}  // namespace qv::ui::dialogs
