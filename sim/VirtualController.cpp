#include "sim/VirtualController.h"

#include <array>
#include <optional>
#include <string_view>

#include "base/ProgramFolder.h"
#include "base/Utf.h"
#include "formats/Multilevel.h"
#include "formats/MultilevelInt.h"

namespace qv::sim {
namespace {

constexpr int32_t MaxInstance = 0xFFFF;

struct TKindName {
  std::string_view Prefix;
  TControlKind Kind;
  int32_t Min;
  int32_t Max;
};

constexpr std::array<TKindName, 3> Kinds{{
    {"Axis", TControlKind::Axis, 0, 65535},
    {"Button", TControlKind::Button, 0, 1},
    {"Hat", TControlKind::Hat, -1, 35999},
}};

struct TControlRef {
  const TKindName* Kind;
  int32_t Instance;
};

// "Button12" -> (Button, 12); nullopt when the name is no control's.
std::optional<TControlRef> ParseControlName(std::string_view name) {
  for (const TKindName& kind : Kinds) {
    if (!name.starts_with(kind.Prefix)) continue;
    const std::string_view digits = name.substr(kind.Prefix.size());
    if (digits.empty() || digits.size() > 5) return std::nullopt;
    int32_t n = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n > MaxInstance) return std::nullopt;
    return TControlRef{&kind, n};
  }
  return std::nullopt;
}

class TReader {
 public:
  explicit TReader(const std::u16string& fileName) : fileName_(fileName) {}

  [[noreturn]] void Fail(int32_t line, std::u16string_view detail) const {
    std::u16string text = fileName_;
    if (line != 0) text += u", line " + FromUtf8(std::to_string(line));
    text += u": ";
    text += detail;
    throw EControllerFile(text);
  }

  int32_t Number(const TVariable& v, int32_t min, int32_t max) const {
    const std::optional<int32_t> n = ParseMultilevelInt(v.Value);
    if (!n || *n < min || *n > max)
      Fail(v.LineNo, u"\"" + v.Value + u"\" is not a number from " + FromUtf8(std::to_string(min)) + u" to " +
                         FromUtf8(std::to_string(max)) + u".");
    return *n;
  }

  TVirtualController Controller(const TMultilevel& section) const {
    TVirtualController c;
    const TVariable* name = section.FindVariable("Name");
    if (name == nullptr || name->Value.empty()) Fail(section.LineNo, u"the controller has no Name.");
    c.Name = name->Value;
    for (const auto& v : section.Variables) {
      if (v->Name == "Name") continue;
      if (v->Name == "Polled") {
        c.Polled = Number(*v, 0, 1) == 1;
        continue;
      }
      if (v->Name == "NeverSignals") {
        c.NeverSignals = Number(*v, 0, 1) == 1;
        continue;
      }
      const std::optional<TControlRef> ref = ParseControlName(v->Name);
      if (!ref) Fail(v->LineNo, u"\"" + FromUtf8(v->Name) + u"\" is not Axis, Button or Hat with a number.");
      if (Find(c, *ref)) Fail(v->LineNo, FromUtf8(v->Name) + u" is declared twice.");
      c.Controls.push_back({ref->Kind->Kind, ref->Instance, v->Value});
    }
    if (c.Controls.empty()) Fail(section.LineNo, u"the controller has no axes, buttons or hats.");
    if (const TMultilevel* timeline = section.FindSection("TIMELINE")) Timeline(*timeline, c);
    return c;
  }

 private:
  static std::optional<size_t> Find(const TVirtualController& c, const TControlRef& ref) {
    for (size_t i = 0; i < c.Controls.size(); ++i) {
      if (c.Controls[i].Kind == ref.Kind->Kind && c.Controls[i].Instance == ref.Instance) return i;
    }
    return std::nullopt;
  }

  void Timeline(const TMultilevel& section, TVirtualController& c) const {
    uint32_t at = 0;
    const TVariable* length = nullptr;
    for (const auto& v : section.Variables) {
      if (v->Name == "Loop") {
        c.Loop = Number(*v, 0, 1) == 1;
      } else if (v->Name == "Length") {
        length = v.get();
      } else if (v->Name == "At") {
        const auto next = static_cast<uint32_t>(Number(*v, 0, 0x7FFFFFFF));
        if (next < at) Fail(v->LineNo, u"At goes back in time.");
        at = next;
      } else {
        const std::optional<TControlRef> ref = ParseControlName(v->Name);
        const std::optional<size_t> index = ref ? Find(c, *ref) : std::nullopt;
        if (!index) Fail(v->LineNo, u"\"" + FromUtf8(v->Name) + u"\" names no control of this controller.");
        c.Timeline.push_back({at, *index, Number(*v, ref->Kind->Min, ref->Kind->Max)});
      }
    }
    c.Length = length ? static_cast<uint32_t>(Number(*length, 0, 0x7FFFFFFF)) : at;
    if (c.Length < at) Fail(length->LineNo, u"Length ends before the last At.");
    if (c.Loop && c.Length == 0) Fail(section.LineNo, u"a looping timeline needs a Length above 0.");
  }

  const std::u16string& fileName_;
};

}  // namespace

std::vector<TVirtualController> ReadVirtualControllers(const TMultilevel& document,
                                                       const std::u16string& fileName) {
  const TReader reader(fileName);
  std::vector<TVirtualController> controllers;
  for (const auto& section : document.Sections) {
    if (section->Name != "CONTROLLER") reader.Fail(section->LineNo, u"only CONTROLLER sections belong here.");
    controllers.push_back(reader.Controller(*section));
  }
  if (controllers.empty()) reader.Fail(0, u"the file describes no CONTROLLER.");
  return controllers;
}

std::vector<TVirtualController> LoadVirtualControllers(const std::u16string& fileName) {
  const std::u16string name = fileName.empty() ? DefaultControllerFile() : fileName;
  TMultilevel document;
  try {
    document.LoadFromFile(name);
  } catch (const Error& e) {
    throw EControllerFile(name + u": " + e.message());
  }
  return ReadVirtualControllers(document, name);
}

TVirtualController PlainController(std::u16string name, int axes, int buttons, int hats) {
  TVirtualController c;
  c.Name = std::move(name);
  for (int i = 0; i < axes; ++i) c.Controls.push_back({TControlKind::Axis, i, u"Axis"});
  for (int i = 0; i < buttons; ++i) c.Controls.push_back({TControlKind::Button, i, u"Button"});
  for (int i = 0; i < hats; ++i) c.Controls.push_back({TControlKind::Hat, i, u"Hat"});
  return c;
}

std::u16string DefaultControllerFile() { return ProgramFolder() + u"virtual-train-controller.ml"; }

std::u16string DefaultControllerSettingsFile() { return ProgramFolder() + u"virtual-train-controller.qvjoy"; }

}  // namespace qv::sim
