#include "ui/Icons.h"

#include <array>

namespace qv::ui {
namespace {

constexpr auto kIcons = std::to_array<TIconInfo>({
    {"LIST_FOLDER", 14, 10},   {"LIST_BTN0", 14, 10},      {"LIST_BTN1", 14, 10},
    {"LIST_BTN2", 14, 10},     {"LIST_CROSS", 14, 10},     {"LIST_AXIS", 14, 10},
    {"LIST_EXPANDED", 14, 10}, {"LIST_COLLAPSED", 14, 10}, {"LIST_PLUS", 10, 10},
    {"LIST_MINUS", 10, 6},     {"LIST_COMPAT", 14, 10},    {"LIST_PARK", 14, 10},
    {"LIST_PARKOK", 14, 10},   {"LIST_PRESS", 10, 9},      {"LIST_HOLD", 19, 9},
    {"LIST_RELEASE", 10, 9},   {"LIST_CHART", 11, 10},     {"LIST_EXCLAMATION", 14, 10},
    {"HAT_OFF", 14, 7},        {"HAT_N", 14, 11},          {"HAT_NE", 14, 11},
    {"HAT_E", 14, 11},         {"HAT_SE", 14, 11},         {"HAT_S", 14, 11},
    {"HAT_SW", 14, 11},        {"HAT_W", 14, 11},          {"HAT_NW", 14, 11},
    {"HAT0_N", 14, 11},        {"HAT0_NE", 14, 11},        {"HAT0_E", 14, 11},
    {"HAT0_SE", 14, 11},       {"HAT0_S", 14, 11},         {"HAT0_SW", 14, 11},
    {"HAT0_W", 14, 11},        {"HAT0_NW", 14, 11},
});
static_assert(kIcons.size() == size_t(TIcon::Count));

}  // namespace

const TIconInfo& IconInfo(TIcon icon) { return kIcons[size_t(icon)]; }

TIcon HatIcon(uint8_t direction, bool lit) {
  if (direction >= 8) return TIcon::HatOff;
  return TIcon(uint8_t(lit ? TIcon::HatLit : TIcon::HatDim) + direction);
}

}  // namespace qv::ui
