#include "ui/dialogs/SysCmdPicker.h"

#include <algorithm>

#include "base/Utf.h"
#include "engine/SysCmdInfo.h"
#include "lang/Lang.h"
#include "lang/SafeFormat.h"
#include "ui/Captions.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {
namespace {

std::u16string SysText(const std::string& key) { return lang::LangTranslate("!SYS", key); }

}  // namespace

std::vector<std::u16string> SysCmdListNames() {
  std::vector<std::u16string> names;
  for (int32_t row = 1; row < SysCmdCount; ++row) names.emplace_back(SysCmdInfo[size_t(row)].Name);
  return names;
}

std::u16string DescribeSysCmd(int32_t row) {
  const TSysCmdInfo& info = SysCmdInfo.at(size_t(row));
  const std::string name = ToUtf8(info.Name);
  if (info.Vkey != 0) return lang::SafeFormat(Captions.KeyTemplate, {SysText(name)});
  const std::string release = info.Kind == skDownOnly ? "Nothing"
                              : info.Kind == skBoth   ? "Same"
                                                      : name + "_R";
  return lang::SafeFormat(Captions.SysTemplate, {SysText(name), SysText(release)});
}

void PickSysCmd(TKeyAction& action, int32_t row) {
  const TSysCmdInfo& info = SysCmdInfo.at(size_t(row));
  const int32_t repeat = std::max(action.Repeat, 1);
  action.Clear();
  action.Repeat = repeat;
  if (info.Vkey == 0) {
    action.SysCmd = row;
  } else {
    action.Vkey = info.Vkey;
  }
}

std::span<const TControlText> SysCmdTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"btOk", lang::Kind::Button, IDC_BT_OK},
      {"btCancel", lang::Kind::Button, IDC_BT_CANCEL},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
