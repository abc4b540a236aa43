#include "ui/MainActions.h"

#include <array>

namespace qv::ui {
namespace {

constexpr uint16_t VkF6 = 0x75;
constexpr uint16_t VkF9 = 0x78;

constexpr auto kActions = std::to_array<TActionInfo>({
    {TActionId::New, "acNew", 'N', true, u"Ctrl+N"},
    {TActionId::Load, "acLoad", 'O', true, u"Ctrl+O"},
    {TActionId::Save, "acSave", 'S', true, u"Ctrl+S"},
    {TActionId::SaveAs, "acSaveAs", 0, false, u""},
    {TActionId::Compatibility, "acCompatibility", VkF6, false, u"F6"},
    {TActionId::SetInitial, "acSetInitial", VkF9, false, u"F9"},
    {TActionId::JoySettings, "acJoySettings", 0, false, u""},
    {TActionId::ProgSettings, "acProgSettings", 0, false, u""},
    {TActionId::PopRestore, "acPopRestore", 0, false, u""},
    {TActionId::LoadNoHk, "acLoadNoHk", 0, false, u""},
    {TActionId::PopExit, "acPopExit", 0, false, u""},
});

static_assert(kActions.back().Id == TActionId::PopExit && kActions.size() == size_t(TActionId::PopExit) - 99);

const TActionInfo* A(TActionId id) { return &kActions[size_t(id) - size_t(TActionId::New)]; }

// The first menu ends with Exit, as a Windows program's first menu does.
const std::array<const TActionInfo*, 8> kProfileItems = {A(TActionId::New),
                                                         A(TActionId::Load),
                                                         A(TActionId::Save),
                                                         A(TActionId::SaveAs),
                                                         nullptr,
                                                         A(TActionId::Compatibility),
                                                         nullptr,
                                                         A(TActionId::PopExit)};
const std::array<const TActionInfo*, 1> kActionItems = {A(TActionId::SetInitial)};
const std::array<const TActionInfo*, 2> kSetupItems = {A(TActionId::JoySettings), A(TActionId::ProgSettings)};
const std::array<TMenuInfo, 3> kMenus = {{
    {"itProfile", kProfileItems},
    {"itActions", kActionItems},
    {"itSetup", kSetupItems},
}};
const std::array<const TActionInfo*, 3> kPopup = {A(TActionId::PopRestore), A(TActionId::LoadNoHk),
                                                  A(TActionId::PopExit)};

}  // namespace

std::span<const TActionInfo> MainActions() { return kActions; }
const TActionInfo& ActionInfo(TActionId id) { return *A(id); }
std::span<const TMenuInfo> MainMenus() { return kMenus; }
std::span<const TActionInfo* const> PopupMenu() { return kPopup; }

std::u16string VersionCaption(const std::u16string& version) { return u"         v." + version; }

void DescribeMainWindow(lang::TComponent& form, const std::u16string& version) {
  using lang::Kind;
  form.name = "fmMain";
  form.kind = Kind::Form;
  form.caption = u"fmMain";
  for (const TMenuInfo& menu : kMenus) form.Add(std::string(menu.Name), Kind::MenuItem);
  form.Add(std::string(VersionItemName), Kind::MenuItem).caption = VersionCaption(version);
  for (const TActionInfo& action : kActions) form.Add(std::string(action.Name), Kind::Action);
}

}  // namespace qv::ui
