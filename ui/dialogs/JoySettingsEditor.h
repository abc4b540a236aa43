#pragma once
// fmJoySettings' rules: a working copy of the joystick settings edited one
// device axis at a time, the rest values taken from the live lever, and what
// OK writes back. The window keeps its controls in Shown and calls Store
// before it leaves an axis, so nothing typed is lost on a change of axis;
// Cancel simply drops the copy.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "engine/Profile.h"
#include "lang/Component.h"
#include "ui/dialogs/DialogTexts.h"

namespace qv::ui::dialogs {

class TJoySettingsEditor {
 public:
  static constexpr int32_t NoiseMin = 0, NoiseMax = 200;
  static constexpr int32_t NeutralMax = 65535, NeutralStep = 100, NeutralCentre = 32767;
  static constexpr int32_t ThresholdMax = 100, ThresholdInitial = 50, ThresholdMouseStep = 3;

  // What the per-axis controls show.
  struct TShown {
    std::u16string Name;
    int32_t Page = atUnused;  // the page of pagesAxisType, which is the Type
    bool Reverse = false;
    int32_t HangPos = hpNone;
    int32_t Neutral = 0;
    int32_t Threshold = ThresholdInitial;
  };
  // What a take did: the line to select (-1 for none), and whether the list
  // was full, which the window tells the user.
  struct TTake {
    int32_t Line = -1;
    bool Full = false;
  };

  // The entries of comboAxes, "%d: %s" from each device axis's Index and
  // name, in list order.
  static std::u16string AxisEntry(const TJoyControlData& axis);

  // Opens on a copy of settings with the device's axes; the chosen list
  // position survives from the last opening. No axes: nothing is chosen.
  void Open(const TJoySettings& settings, std::span<const TJoyControlData> axes);
  bool HasAxis() const { return current_ != nullptr; }
  int32_t Chosen() const { return chosen_; }
  // A change of comboAxes: the axis shown so far is stored first.
  void Choose(int32_t listPosition);
  // The shown controls into the current entry (for the current page only).
  void Store();

  // The current entry's rest values, as the virtual list reads them.
  int32_t Count() const;
  // Line i of listPositions; empty for a line past the count.
  std::u16string Line(int32_t line) const;
  TTake Take(int32_t live, int32_t noise);
  void Delete(int32_t line);
  void DeleteAll();

  // OK: the shown axis stored, the copy and the noise into settings.
  void Confirm(TJoySettings& settings, int32_t noise);

  TShown Shown;
  int32_t Noise = 10;  // spinNoise as loaded at the opening

 private:
  void Select();

  TJoySettings copy_;
  std::span<const TJoyControlData> axes_;
  TAxisSettings* current_ = nullptr;
  int32_t chosen_ = 0;
};

std::span<const TControlText> JoySettingsTexts();
// The pages of pagesAxisType in Type order: child windows with controls of
// their own, described under the window's tree so that the walk translates
// them in its section. The tab control shows the pages' captions.
constexpr std::array<std::string_view, 3> AxisPageNames = {"tabUnused", "tabMultipos", "tabContinuous"};
std::span<const TControlText> AxisPageTexts(int32_t page);
void DescribeAxisPages(lang::TComponent& form);

}  // namespace qv::ui::dialogs
