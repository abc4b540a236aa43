#include "lang/TextCatalog.h"

#include <array>

namespace qv::lang {
namespace {

// Short constructors keep one text per line. Captions, hints and list items
// are applied once by the walk over the windows; messages are fetched by code.
constexpr CatalogEntry Caption(std::string_view section, std::string_view key) {
  return {section, key, TextUse::Caption, {}, false};
}
constexpr CatalogEntry Hint(std::string_view section, std::string_view key) {
  return {section, key, TextUse::Hint, {}, false};
}
constexpr CatalogEntry Item(std::string_view section, std::string_view key) {
  return {section, key, TextUse::Item, {}, false};
}
// A message loaded into memory before the language sections are pruned.
constexpr CatalogEntry StartupText(std::string_view section, std::string_view key,
                                   std::string_view args = {}) {
  return {section, key, TextUse::Message, args, false};
}
// A message looked up whenever the code needs it, so its section is kept.
constexpr CatalogEntry RuntimeText(std::string_view section, std::string_view key,
                                   std::string_view args = {}) {
  return {section, key, TextUse::Message, args, true};
}

constexpr std::string_view kMain = "fmMain";
constexpr std::string_view kJoy = "fmJoySettings";
constexpr std::string_view kAxis = "fmAxisSettings";
constexpr std::string_view kMeasure = "fmStepMeasure";
constexpr std::string_view kPos = "fmPosSettings";
constexpr std::string_view kAskKey = "fmAskKey";
constexpr std::string_view kSysCmd = "fmSysCmd";
constexpr std::string_view kHatPos = "fmHatPosSettings";
constexpr std::string_view kButton = "fmButtonSettings";
constexpr std::string_view kProg = "fmProgSettings";
constexpr std::string_view kCompat = "fmCompatibility";
constexpr std::string_view kAbout = "fmAbout";
constexpr std::string_view kSys = "!SYS";

// Not listed on purpose, because code sets them at creation or when shown and
// a translation would overwrite them: fmTrap's caption (the hand-off finds the
// running copy by it), itVersion, lbVersion, btKey, and the lists filled at run
// time (comboAxes, comboPlayDev, comboRecDev, comboRecLine, edJoystick).
constexpr auto kCatalog = std::to_array<CatalogEntry>({
    // Main window: menus and actions.
    Caption(kMain, "fmMain"),
    Caption(kMain, "itProfile"),
    Caption(kMain, "acNew"),
    Caption(kMain, "acLoad"),
    Caption(kMain, "acSave"),
    Caption(kMain, "acSaveAs"),
    Caption(kMain, "acCompatibility"),
    Caption(kMain, "itActions"),
    Caption(kMain, "acSetInitial"),
    Caption(kMain, "itSetup"),
    Caption(kMain, "acJoySettings"),
    Caption(kMain, "acProgSettings"),
    Caption(kMain, "acPopRestore"),
    Caption(kMain, "acLoadNoHk"),
    Caption(kMain, "acPopExit"),
    // Main window: the row and caption texts, loaded once after translation.
    StartupText(kMain, "CaptionAxes"),
    StartupText(kMain, "CaptionButtons"),
    StartupText(kMain, "CaptionDirect"),
    StartupText(kMain, "CaptionHats"),
    StartupText(kMain, "AxisTemplate1"),
    StartupText(kMain, "AxisTemplate2", "dd"),  // current position, position count
    StartupText(kMain, "AxisTemplate3", "sd"),  // axis name, axis index
    StartupText(kMain, "KeyMultiple", "sd"),    // key text, repeat count
    StartupText(kMain, "Caption2", "s"),        // profile file name
    StartupText(kMain, "msgUnsaved"),
    StartupText(kMain, "ProfileFilter"),  // file dialogs: "description|pattern" pairs
    // What each icon of the control list means, shown when the mouse rests on it.
    StartupText(kMain, "hintIconOff"),
    StartupText(kMain, "hintIconOn"),
    StartupText(kMain, "hintIconBeyond"),
    StartupText(kMain, "hintIconCross"),
    StartupText(kMain, "hintIconAxis"),
    StartupText(kMain, "hintIconCompat"),
    StartupText(kMain, "hintIconPark"),
    StartupText(kMain, "hintIconParkOk"),
    StartupText(kMain, "hintIconPress"),
    StartupText(kMain, "hintIconHold"),
    StartupText(kMain, "hintIconRelease"),
    StartupText(kMain, "hintIconUp"),
    StartupText(kMain, "hintIconDown"),
    StartupText(kMain, "hintIconChart"),
    StartupText(kMain, "hintIconMissing"),
    StartupText(kMain, "hintIconHat"),

    // Joystick settings.
    Caption(kJoy, "fmJoySettings"),
    Caption(kJoy, "grpAxes"),
    Caption(kJoy, "lbName"),
    Caption(kJoy, "tabUnused"),
    Caption(kJoy, "tabMultipos"),
    Caption(kJoy, "tabContinuous"),
    Caption(kJoy, "btTakeSwitch"),
    Caption(kJoy, "btDelete"),
    Caption(kJoy, "btDeleteAll"),
    Caption(kJoy, "chkZeroFromEnd"),
    Caption(kJoy, "lbHangPos"),
    Item(kJoy, "comboHangPos_0"),
    Item(kJoy, "comboHangPos_1"),
    Item(kJoy, "comboHangPos_2"),
    Caption(kJoy, "lbNeutral"),
    Caption(kJoy, "btMin"),
    Caption(kJoy, "btCen"),
    Caption(kJoy, "btMax"),
    Caption(kJoy, "btTakeCont"),
    Caption(kJoy, "lbThreshold"),
    Caption(kJoy, "lbNoise"),
    Caption(kJoy, "btOk"),
    Hint(kJoy, "hintAxes"),
    Hint(kJoy, "hintName"),
    Hint(kJoy, "hintHangPos"),
    Hint(kJoy, "hintNeutral"),
    Hint(kJoy, "hintThreshold"),
    Hint(kJoy, "hintNoise"),
    Caption(kJoy, "btCancel"),

    // Axis settings, with the key frames frUp and frDown.
    Caption(kAxis, "fmAxisSettings"),
    Caption(kAxis, "grpKeys"),
    Caption(kAxis, "lbUp"),
    Caption(kAxis, "lbDown"),
    Caption(kAxis, "lbStepHold"),
    Caption(kAxis, "lbStepGap"),
    Caption(kAxis, "btMeasure"),
    Hint(kAxis, "btTech"),
    Hint(kAxis, "btDelete"),
    Hint(kAxis, "hintRepeat"),
    Caption(kAxis, "grpPositions"),
    Caption(kAxis, "lbPosCount"),
    Caption(kAxis, "lbInitialPos"),
    Caption(kAxis, "grpAutoResync"),
    Caption(kAxis, "lbResyncFirst"),
    Caption(kAxis, "lbResyncLast"),
    Caption(kAxis, "btLinked"),
    Caption(kAxis, "chkReenumerate"),
    Caption(kAxis, "btOk"),
    Hint(kAxis, "hintPosLimit"),
    Hint(kAxis, "hintInitialPos"),
    Hint(kAxis, "hintResyncFirst"),
    Hint(kAxis, "hintResyncLast"),
    Hint(kAxis, "hintStepHold"),
    Hint(kAxis, "hintStepGap"),
    Caption(kAxis, "btCancel"),

    // The measuring wizard; its status line is set by the code in every state.
    Caption(kMeasure, "fmStepMeasure"),
    Caption(kMeasure, "lbInstruction"),
    Caption(kMeasure, "btStart"),
    Caption(kMeasure, "btConfirm"),
    Caption(kMeasure, "btUse"),
    Caption(kMeasure, "btCancel"),
    RuntimeText(kMeasure, "msgReady"),
    RuntimeText(kMeasure, "msgCountdown", "d"),   // seconds left
    RuntimeText(kMeasure, "msgSearching", "d"),   // hold, ms
    RuntimeText(kMeasure, "msgFound", "d"),       // hold, ms
    RuntimeText(kMeasure, "msgConfirming", "d"),  // hold, ms
    RuntimeText(kMeasure, "msgDone", "d"),        // hold, ms
    RuntimeText(kMeasure, "msgCancelled"),
    RuntimeText(kMeasure, "msgTimedOut"),

    // Key capture and system command picker.
    Caption(kAskKey, "fmAskKey"),
    Caption(kAskKey, "lbContent"),
    Caption(kAskKey, "lbLeftKeys"),
    Caption(kAskKey, "lbRightKeys"),
    Caption(kSysCmd, "fmSysCmd"),
    Caption(kSysCmd, "btOk"),
    Caption(kSysCmd, "btCancel"),
    StartupText(kSysCmd, "SysTemplate", "ss"),  // command text, release text
    StartupText(kSysCmd, "KeyTemplate", "s"),   // key text

    // Hat direction keys; position and button settings derive from this window.
    Caption(kHatPos, "fmHatPosSettings"),
    Caption(kHatPos, "grpAssignments"),
    Caption(kHatPos, "lbPress"),
    Caption(kHatPos, "lbHold"),
    Caption(kHatPos, "lbRelease"),
    Hint(kHatPos, "btTech"),
    Hint(kHatPos, "btDelete"),
    Hint(kHatPos, "hintRepeat"),
    Caption(kHatPos, "btOk"),
    Caption(kHatPos, "btCancel"),

    Caption(kPos, "fmPosSettings"),
    Caption(kPos, "grpAssignments"),
    Caption(kPos, "lbPress"),
    Caption(kPos, "lbHold"),
    Caption(kPos, "lbRelease"),
    Hint(kPos, "btTech"),
    Hint(kPos, "btDelete"),
    Hint(kPos, "hintRepeat"),
    Caption(kPos, "lbPosIndex"),
    Caption(kPos, "lbGateHold"),
    Caption(kPos, "btOk"),
    Hint(kPos, "hintPosIndex"),
    Hint(kPos, "hintGateHold"),
    Caption(kPos, "btCancel"),

    Caption(kButton, "fmButtonSettings"),
    Caption(kButton, "grpAssignments"),
    Caption(kButton, "lbPress"),
    Caption(kButton, "lbHold"),
    Caption(kButton, "lbRelease"),
    Hint(kButton, "btTech"),
    Hint(kButton, "btDelete"),
    Hint(kButton, "hintRepeat"),
    Caption(kButton, "lbInitialPos"),
    Item(kButton, "comboInitialPos_0"),
    Item(kButton, "comboInitialPos_1"),
    Item(kButton, "comboInitialPos_2"),
    Caption(kButton, "btOk"),
    Hint(kButton, "hintInitialPos"),
    Caption(kButton, "btCancel"),

    // Program settings, compatibility, about.
    Caption(kProg, "fmProgSettings"),
    Caption(kProg, "grpPlay"),
    Caption(kProg, "lbSoundSource"),
    Caption(kProg, "grpRec"),
    Caption(kProg, "lbRecSource"),
    Caption(kProg, "lbRecLine"),
    Caption(kProg, "lbMicVolume"),
    Caption(kProg, "grpBinding"),
    Caption(kProg, "lbJoystick"),
    Caption(kProg, "lbBindingNote"),
    Caption(kProg, "btOk"),
    Hint(kProg, "hintPlayDev"),
    Hint(kProg, "hintRecDev"),
    Hint(kProg, "hintRecLine"),
    Hint(kProg, "hintMicLevel"),
    Hint(kProg, "hintJoystick"),
    Caption(kProg, "btCancel"),

    Caption(kCompat, "fmCompatibility"),
    Caption(kCompat, "lbShiftDelay"),
    Caption(kCompat, "lbPressDelay"),
    Caption(kCompat, "btOk"),
    Hint(kCompat, "hintShiftDelay"),
    Hint(kCompat, "hintPressDelay"),
    Caption(kCompat, "btCancel"),

    // The about window sets its caption again each time it is shown.
    {kAbout, "fmAbout", TextUse::Caption, {}, true},
    Caption(kAbout, "lbAuthor"),
    Caption(kAbout, "btOk"),

    // Shared texts, reached through an empty section.
    RuntimeText("COMMON", "msgTitle", "s"),  // version text
    RuntimeText("COMMON", "msgInfo"),
    RuntimeText("COMMON", "msgSpinNotNumber"),
    RuntimeText("COMMON", "msgSpinOutOfRange"),
    RuntimeText("COMMON", "msgSpinRange", "dd"),  // lowest, highest

    // Errors and warnings by message id.
    RuntimeText("EXCEPT", "exCantCreateDx"),
    RuntimeText("EXCEPT", "exNoJoy"),
    RuntimeText("EXCEPT", "exCantCreateJoy"),
    RuntimeText("EXCEPT", "exCantSetDataFormat"),
    RuntimeText("EXCEPT", "exCantSetCoopLevel"),
    RuntimeText("EXCEPT", "exCantEnumerateControls"),
    RuntimeText("EXCEPT", "exCantAcquire"),
    StartupText("EXCEPT", "exUnableToPass"),  // asked only by a second start, before any window exists
    RuntimeText("EXCEPT", "msgMaxPos"),
    RuntimeText("EXCEPT", "exJoySettingsRead", "ss"),  // file name, the reader's error

    // System commands: the description of each, and what the release of a
    // held key does for the commands that undo themselves.
    RuntimeText(kSys, "DemandPark00"),
    RuntimeText(kSys, "DemandPark01"),
    RuntimeText(kSys, "DemandPark02"),
    RuntimeText(kSys, "DemandPark03"),
    RuntimeText(kSys, "DemandPark04"),
    RuntimeText(kSys, "DemandPark05"),
    RuntimeText(kSys, "DemandPark06"),
    RuntimeText(kSys, "DemandPark07"),
    RuntimeText(kSys, "DemandParkAll"),
    RuntimeText(kSys, "DemandParkAxes"),
    RuntimeText(kSys, "DemandParkButtons"),
    RuntimeText(kSys, "RecOff"),
    RuntimeText(kSys, "RecOff_R"),
    RuntimeText(kSys, "RecOn"),
    RuntimeText(kSys, "RecOn_R"),
    RuntimeText(kSys, "RecToggle"),
    RuntimeText(kSys, "SoundOff"),
    RuntimeText(kSys, "SoundOff_R"),
    RuntimeText(kSys, "SoundOn"),
    RuntimeText(kSys, "SoundOn_R"),
    RuntimeText(kSys, "SoundToggle"),
    RuntimeText(kSys, "SoundVolDown"),
    RuntimeText(kSys, "SoundVolUp"),
    RuntimeText(kSys, "Nothing"),
    RuntimeText(kSys, "Same"),
    // Keys that are sent by their virtual-key code only.
    RuntimeText(kSys, "VK_LButton"),
    RuntimeText(kSys, "VK_RButton"),
    RuntimeText(kSys, "VK_MButton"),
    RuntimeText(kSys, "VK_XButton1"),
    RuntimeText(kSys, "VK_XButton2"),
    RuntimeText(kSys, "VK_Browser_Back"),
    RuntimeText(kSys, "VK_Browser_Favorites"),
    RuntimeText(kSys, "VK_Browser_Forward"),
    RuntimeText(kSys, "VK_Browser_Home"),
    RuntimeText(kSys, "VK_Browser_Refresh"),
    RuntimeText(kSys, "VK_Browser_Search"),
    RuntimeText(kSys, "VK_Browser_Stop"),
    RuntimeText(kSys, "VK_F13"),
    RuntimeText(kSys, "VK_F14"),
    RuntimeText(kSys, "VK_F15"),
    RuntimeText(kSys, "VK_F16"),
    RuntimeText(kSys, "VK_F17"),
    RuntimeText(kSys, "VK_F18"),
    RuntimeText(kSys, "VK_F19"),
    RuntimeText(kSys, "VK_F20"),
    RuntimeText(kSys, "VK_F21"),
    RuntimeText(kSys, "VK_F22"),
    RuntimeText(kSys, "VK_F23"),
    RuntimeText(kSys, "VK_F24"),
    RuntimeText(kSys, "VK_Launch_App1"),
    RuntimeText(kSys, "VK_Launch_App2"),
    RuntimeText(kSys, "VK_Launch_Mail"),
    RuntimeText(kSys, "VK_Launch_Media_Select"),
    RuntimeText(kSys, "VK_Media_Next_Track"),
    RuntimeText(kSys, "VK_Media_Play_Pause"),
    RuntimeText(kSys, "VK_Media_Prev_Track"),
    RuntimeText(kSys, "VK_Media_Stop"),
});

}  // namespace

std::span<const CatalogEntry> TextCatalog() { return kCatalog; }

}  // namespace qv::lang
