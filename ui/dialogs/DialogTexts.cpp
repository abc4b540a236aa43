#include "ui/dialogs/DialogTexts.h"

#include <string>

namespace qv::ui::dialogs {

void DescribeDialog(lang::TComponent& form, std::string_view formName,
                    std::span<const TControlText> controls) {
  form.name = std::string(formName);
  form.kind = lang::Kind::Form;
  form.caption = FromUtf8(form.name);
  form.owned.clear();
  for (const TControlText& control : controls) form.Add(std::string(control.Name), control.Kind);
}

}  // namespace qv::ui::dialogs
