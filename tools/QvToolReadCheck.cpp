#include "tools/QvToolReadCheck.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

#include "base/Utf.h"
#include "engine/Profile.h"
#include "formats/Multilevel.h"
#include "formats/ReadWatch.h"
#include "input/i_Joystick.h"
#include "sim/VirtualJoystick.h"
#include "storage/ProfileFile.h"

namespace qv::tool {
namespace {

// Warnings by line, in the order they came.
class TWarnings final : public ReadWatch {
 public:
  void Looked(const TVariable& variable) override { looked_.insert(&variable); }
  void Unreadable(const TVariable& variable, std::u16string_view used) override {
    Add(variable.LineNo, variable.Name + "=" + ToUtf8(variable.Value) + " could not be read, " +
                             ToUtf8(used) + " used instead");
  }
  // Every variable of the tree that no read looked up.
  void AddUnread(const TMultilevel& section) {
    std::set<std::string_view> known;
    for (const auto& variable : section.Variables) {
      if (looked_.contains(variable.get())) known.insert(variable->Name);
    }
    for (const auto& variable : section.Variables) {
      if (looked_.contains(variable.get())) continue;
      Add(variable->LineNo, known.contains(variable->Name)
                                ? variable->Name + " is given twice in its section, this one is ignored"
                                : "unknown key " + variable->Name + ", ignored");
    }
    for (const auto& sub : section.Sections) AddUnread(*sub);
  }
  bool Print(const std::u16string& fileName, std::ostream& err) {
    std::stable_sort(lines_.begin(), lines_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [line, text] : lines_)
      err << ToUtf8(fileName) << ", line " << line << ": " << text << '\n';
    return !lines_.empty();
  }

 private:
  void Add(int32_t line, std::string text) { lines_.emplace_back(line, std::move(text)); }
  std::set<const TVariable*> looked_;
  std::vector<std::pair<int32_t, std::string>> lines_;
};

// Removes the watch however the read ends.
class TWatching {
 public:
  explicit TWatching(ReadWatch& watch) { InstallReadWatch(&watch); }
  ~TWatching() { InstallReadWatch(nullptr); }
  TWatching(const TWatching&) = delete;
  TWatching& operator=(const TWatching&) = delete;
};

}  // namespace

bool WarnAboutReads(const std::u16string& fileName, std::ostream& err) {
  TMultilevel document;
  document.LoadFromFile(fileName);
  // Entries for controls the attached controller lacks are passed over by
  // the program; this controller lacks none, so every entry is read.
  sim::TVirtualJoystick everything({sim::PlainController(u"Every control", MaxAxes, MaxButtons, MaxHats)});
  input::TJoystick joystick;
  joystick.Initialise(everything);
  TWarnings warnings;
  {
    const TWatching watching(warnings);
    ResetProfile();
    ReadProfileDocument(document);
  }
  joystick.Shutdown();
  warnings.AddUnread(document);
  return warnings.Print(fileName, err);
}

}  // namespace qv::tool
