#include "ui/dialogs/KeyCapture.h"

#include <array>

#include "engine/PollThread.h"
#include "engine/Seams.h"
#include "ui/dialogs/resource.h"

namespace qv::ui::dialogs {
namespace {

// Each toggle's modifier key as a key message reports it, in bit order.
struct TModifierKey {
  int32_t ScanCode;
  bool Extended;
};
constexpr std::array<TModifierKey, ModifierCount> modifierKeys = {{
    {0x2A, false},  // Shift
    {0x1D, false},  // Ctrl
    {0x38, false},  // Alt
    {0x5B, true},   // Win
    {0x5D, true},   // Menu
    {0x36, false},  // RShift
    {0x1D, true},   // RCtrl
    {0x38, true},   // RAlt
    {0x5C, true},   // RWin
}};

}  // namespace

TCapturedKey KeyOfMessage(uint64_t wParam, int64_t lParam) {
  const auto bits = uint32_t(lParam);
  return {int32_t(wParam & 0xFFFF), int32_t((bits >> 16) & 0xFF), (bits & (1u << 24)) != 0};
}

TToggles ModifierBitOf(const TCapturedKey& key) {
  for (int bit = 0; bit < ModifierCount; ++bit) {
    const TModifierKey& own = modifierKeys[size_t(bit)];
    if (own.ScanCode == key.ScanCode && own.Extended == key.Extended) return TToggles(1u << bit);
  }
  return 0;
}

void ApplyCapture(TKeyAction& action, const TCapturedKey& key, TToggles toggles) {
  action.SysCmd = 0;
  action.Vkey = key.Vkey;
  action.ScanCode = key.ScanCode;
  action.Extended = key.Extended;
  action.Modifiers = uint16_t(toggles & ~ModifierBitOf(key));
}

bool OwnWindowActive() { return PauseRequest.load(); }

int32_t LayoutScanCode(int32_t vkey) { return Seams().Layout->ScanCodeOf(uint32_t(vkey)); }

std::span<const TControlText> AskKeyTexts() {
  static constexpr auto texts = std::to_array<TControlText>({
      {"lbContent", lang::Kind::Label, IDC_LB_CONTENT},
      {"lbLeftKeys", lang::Kind::Label, IDC_LB_LEFT_KEYS},
      {"lbRightKeys", lang::Kind::Label, IDC_LB_RIGHT_KEYS},
  });
  return texts;
}

}  // namespace qv::ui::dialogs
