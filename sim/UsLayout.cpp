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

// The US layout's keys with the names the platform gives them. Where two
// virtual keys share a scan code (Shift and left Shift), the first row names it.
constexpr std::array rows{
    // Letters, digits and punctuation.
    TKeyRow{0x41, 0x1E, false, u"A"},
    TKeyRow{0x42, 0x30, false, u"B"},
    TKeyRow{0x43, 0x2E, false, u"C"},
    TKeyRow{0x44, 0x20, false, u"D"},
    TKeyRow{0x45, 0x12, false, u"E"},
    TKeyRow{0x46, 0x21, false, u"F"},
    TKeyRow{0x47, 0x22, false, u"G"},
    TKeyRow{0x48, 0x23, false, u"H"},
    TKeyRow{0x49, 0x17, false, u"I"},
    TKeyRow{0x4A, 0x24, false, u"J"},
    TKeyRow{0x4B, 0x25, false, u"K"},
    TKeyRow{0x4C, 0x26, false, u"L"},
    TKeyRow{0x4D, 0x32, false, u"M"},
    TKeyRow{0x4E, 0x31, false, u"N"},
    TKeyRow{0x4F, 0x18, false, u"O"},
    TKeyRow{0x50, 0x19, false, u"P"},
    TKeyRow{0x51, 0x10, false, u"Q"},
    TKeyRow{0x52, 0x13, false, u"R"},
    TKeyRow{0x53, 0x1F, false, u"S"},
    TKeyRow{0x54, 0x14, false, u"T"},
    TKeyRow{0x55, 0x16, false, u"U"},
    TKeyRow{0x56, 0x2F, false, u"V"},
    TKeyRow{0x57, 0x11, false, u"W"},
    TKeyRow{0x58, 0x2D, false, u"X"},
    TKeyRow{0x59, 0x15, false, u"Y"},
    TKeyRow{0x5A, 0x2C, false, u"Z"},
    TKeyRow{0x30, 0x0B, false, u"0"},
    TKeyRow{0x31, 0x02, false, u"1"},
    TKeyRow{0x32, 0x03, false, u"2"},
    TKeyRow{0x33, 0x04, false, u"3"},
    TKeyRow{0x34, 0x05, false, u"4"},
    TKeyRow{0x35, 0x06, false, u"5"},
    TKeyRow{0x36, 0x07, false, u"6"},
    TKeyRow{0x37, 0x08, false, u"7"},
    TKeyRow{0x38, 0x09, false, u"8"},
    TKeyRow{0x39, 0x0A, false, u"9"},
    TKeyRow{0xBA, 0x27, false, u";"},
    TKeyRow{0xBB, 0x0D, false, u"="},
    TKeyRow{0xBC, 0x33, false, u","},
    TKeyRow{0xBD, 0x0C, false, u"-"},
    TKeyRow{0xBE, 0x34, false, u"."},
    TKeyRow{0xBF, 0x35, false, u"/"},
    TKeyRow{0xC0, 0x29, false, u"`"},
    TKeyRow{0xDB, 0x1A, false, u"["},
    TKeyRow{0xDC, 0x2B, false, u"\\"},
    TKeyRow{0xDD, 0x1B, false, u"]"},
    TKeyRow{0xDE, 0x28, false, u"'"},
    // Editing and navigation.
    TKeyRow{0x08, 0x0E, false, u"Backspace"},
    TKeyRow{0x09, 0x0F, false, u"Tab"},
    TKeyRow{0x0D, 0x1C, false, u"Enter"},
    TKeyRow{0x1B, 0x01, false, u"Esc"},
    TKeyRow{0x20, 0x39, false, u"Space"},
    TKeyRow{0x21, 0x49, true, u"Page Up"},
    TKeyRow{0x22, 0x51, true, u"Page Down"},
    TKeyRow{0x23, 0x4F, true, u"End"},
    TKeyRow{0x24, 0x47, true, u"Home"},
    TKeyRow{0x25, 0x4B, true, u"Left"},
    TKeyRow{0x26, 0x48, true, u"Up"},
    TKeyRow{0x27, 0x4D, true, u"Right"},
    TKeyRow{0x28, 0x50, true, u"Down"},
    TKeyRow{0x2D, 0x52, true, u"Insert"},
    TKeyRow{0x2E, 0x53, true, u"Delete"},
    // Function keys.
    TKeyRow{0x70, 0x3B, false, u"F1"},
    TKeyRow{0x71, 0x3C, false, u"F2"},
    TKeyRow{0x72, 0x3D, false, u"F3"},
    TKeyRow{0x73, 0x3E, false, u"F4"},
    TKeyRow{0x74, 0x3F, false, u"F5"},
    TKeyRow{0x75, 0x40, false, u"F6"},
    TKeyRow{0x76, 0x41, false, u"F7"},
    TKeyRow{0x77, 0x42, false, u"F8"},
    TKeyRow{0x78, 0x43, false, u"F9"},
    TKeyRow{0x79, 0x44, false, u"F10"},
    TKeyRow{0x7A, 0x57, false, u"F11"},
    TKeyRow{0x7B, 0x58, false, u"F12"},
    // Modifiers and locks.
    TKeyRow{0x10, 0x2A, false, u"Shift"},
    TKeyRow{0x11, 0x1D, false, u"Ctrl"},
    TKeyRow{0x12, 0x38, false, u"Alt"},
    TKeyRow{0xA0, 0x2A, false, u"Shift"},
    TKeyRow{0xA1, 0x36, false, u"Right Shift"},
    TKeyRow{0xA2, 0x1D, false, u"Ctrl"},
    TKeyRow{0xA3, 0x1D, true, u"Right Ctrl"},
    TKeyRow{0xA4, 0x38, false, u"Alt"},
    TKeyRow{0xA5, 0x38, true, u"Right Alt"},
    TKeyRow{0x5B, 0x5B, true, u"Left Windows"},
    TKeyRow{0x5C, 0x5C, true, u"Right Windows"},
    TKeyRow{0x5D, 0x5D, true, u"Application"},
    TKeyRow{0x14, 0x3A, false, u"Caps Lock"},
    TKeyRow{0x90, 0x45, true, u"Num Lock"},
    TKeyRow{0x91, 0x46, false, u"Scroll Lock"},
    // The numeric keypad.
    TKeyRow{0x60, 0x52, false, u"Num 0"},
    TKeyRow{0x61, 0x4F, false, u"Num 1"},
    TKeyRow{0x62, 0x50, false, u"Num 2"},
    TKeyRow{0x63, 0x51, false, u"Num 3"},
    TKeyRow{0x64, 0x4B, false, u"Num 4"},
    TKeyRow{0x65, 0x4C, false, u"Num 5"},
    TKeyRow{0x66, 0x4D, false, u"Num 6"},
    TKeyRow{0x67, 0x47, false, u"Num 7"},
    TKeyRow{0x68, 0x48, false, u"Num 8"},
    TKeyRow{0x69, 0x49, false, u"Num 9"},
    TKeyRow{0x6A, 0x37, false, u"Num *"},
    TKeyRow{0x6B, 0x4E, false, u"Num +"},
    TKeyRow{0x6D, 0x4A, false, u"Num -"},
    TKeyRow{0x6E, 0x53, false, u"Num Del"},
    TKeyRow{0x6F, 0x35, true, u"Num /"},
};

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
