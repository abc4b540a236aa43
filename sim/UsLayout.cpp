#include "sim/UsLayout.h"

#include <array>

namespace qv::sim {
namespace {

struct TKeyRow {
  uint16_t Vk;
  uint16_t Scan;
  bool Extended;
  const char16_t* Name;
};

constexpr std::array<TKeyRow, 30> rows{{
    {0x08, 0x0E, false, u"Backspace"},   {0x09, 0x0F, false, u"Tab"},      {0x0D, 0x1C, false, u"Enter"},
    {0x1B, 0x01, false, u"Esc"},         {0x20, 0x39, false, u"Space"},    {0x21, 0x49, true, u"Page Up"},
    {0x22, 0x51, true, u"Page Down"},    {0x25, 0x4B, true, u"Left"},      {0x26, 0x48, true, u"Up"},
    {0x27, 0x4D, true, u"Right"},        {0x28, 0x50, true, u"Down"},      {0x2D, 0x52, true, u"Insert"},
    {0x2E, 0x53, true, u"Delete"},       {0x30, 0x0B, false, u"0"},        {0x31, 0x02, false, u"1"},
    {0x32, 0x03, false, u"2"},           {0x41, 0x1E, false, u"A"},        {0x44, 0x20, false, u"D"},
    {0x53, 0x1F, false, u"S"},           {0x57, 0x11, false, u"W"},        {0x5A, 0x2C, false, u"Z"},
    {0x70, 0x3B, false, u"F1"},          {0x71, 0x3C, false, u"F2"},       {0xA0, 0x2A, false, u"Shift"},
    {0xA1, 0x36, false, u"Right Shift"}, {0xA2, 0x1D, false, u"Ctrl"},     {0xA3, 0x1D, true, u"Right Ctrl"},
    {0xA4, 0x38, false, u"Alt"},         {0xA5, 0x38, true, u"Right Alt"}, {0x6B, 0x4E, false, u"Num +"},
}};

}  // namespace

uint16_t UsLayout::ScanCodeOf(uint32_t vkey) {
  for (const TKeyRow& r : rows) {
    if (r.Vk == vkey) return r.Scan;
  }
  return 0;
}

std::u16string UsLayout::KeyName(int32_t keyParam) {
  const auto scan = static_cast<uint16_t>((keyParam >> 16) & 0xFF);
  const bool extended = (keyParam & (1 << 24)) != 0;
  for (const TKeyRow& r : rows) {
    if (r.Scan == scan && r.Extended == extended) return r.Name;
  }
  return {};
}

}  // namespace qv::sim
