// Arbitrary bytes through encoding detection into the Multilevel reader.
// Whatever loads must save and load back into an equal tree wherever the
// format promises it can: values without line breaks, names without "=",
// not starting with ";", "{" or "}" and without blanks at either end.
#include <cstdint>
#include <cstdlib>

#include "formats/Multilevel.h"

namespace {

using namespace qv;

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

bool NameSurvives(const std::string& name) {
  if (name.find('=') != name.npos) return false;
  if (name.empty()) return true;
  if (name[0] == ';' || name[0] == '{' || name[0] == '}') return false;
  return !IsBlank(name.front()) && !IsBlank(name.back());
}

bool SectionNameSurvives(const std::string& name) {
  return name.empty() || (!IsBlank(name.front()) && !IsBlank(name.back()));
}

bool Survives(const TMultilevel& section) {
  for (const auto& v : section.Variables) {
    if (!NameSurvives(v->Name) || v->Value.find_first_of(u"\r\n") != std::u16string::npos) return false;
  }
  for (const auto& s : section.Sections) {
    if (!SectionNameSurvives(s->Name) || !Survives(*s)) return false;
  }
  return true;
}

bool Equal(const TMultilevel& a, const TMultilevel& b) {
  if (a.Name != b.Name || a.Variables.Count() != b.Variables.Count() ||
      a.Sections.Count() != b.Sections.Count()) {
    return false;
  }
  for (int i = 0; i < a.Variables.Count(); ++i) {
    if (a.Variables[i]->Name != b.Variables[i]->Name || a.Variables[i]->Value != b.Variables[i]->Value)
      return false;
  }
  for (int i = 0; i < a.Sections.Count(); ++i) {
    if (!Equal(*a.Sections[i], *b.Sections[i])) return false;
  }
  return true;
}

void ReadEverything(const TMultilevel& section) {
  for (const auto& v : section.Variables) {
    static_cast<void>(section.ReadInteger(v->Name, 0));
    static_cast<void>(section.ReadBool(v->Name, false));
  }
  for (const auto& s : section.Sections) ReadEverything(*s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream input(data, size);
  TMultilevel root;
  try {
    root.LoadFromReader(CreateUnicodeInput(input), 0);
  } catch (const EMultilevelInvalidFormat&) {
    return 0;
  }
  ReadEverything(root);
  if (!Survives(root)) return 0;

  // Every encoding with a byte order mark must carry the tree; pick one per input.
  static constexpr int kEncodings[] = {encUtf8, encUtf16LE, encUtf16BE};
  TMemoryStream saved;
  root.SaveToWriter(*CreateUnicodeOutput(saved, kEncodings[size % 3], true, leCRLF));
  saved.Seek(0);
  TMultilevel again;
  again.LoadFromReader(CreateUnicodeInput(saved), 0);
  if (!Equal(root, again)) std::abort();
  return 0;
}
