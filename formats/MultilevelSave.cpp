// The writer. Within a section the variables come first and the
// sub-sections after them; names and values are written as they are.
#include "formats/Multilevel.h"

namespace qv {
namespace {

// Two spaces per level, every eight columns folded into one TAB.
std::u16string InnerIndent(std::u16string_view indent) {
  std::u16string inner = std::u16string(indent) + u"  ";
  if (inner.size() >= 8 && inner[inner.size() - 8] == u' ') inner.replace(inner.size() - 8, 8, u"\t");
  return inner;
}

void WriteSection(TUnicodeOutput& writer, const TMultilevel& section, std::string_view name,
                  std::u16string_view indent) {
  std::u16string inner = InnerIndent(indent);
  writer.WriteStrU(indent);
  writer.WriteStrU(u"{ ");
  writer.WriteLnA(name);
  for (const auto& variable : section.Variables) {
    writer.WriteStrU(inner);
    writer.WriteStrA(variable->Name);
    writer.WriteStrU(u"=");
    writer.WriteLnU(variable->Value);
  }
  for (const auto& child : section.Sections) WriteSection(writer, *child, child->Name, inner);
  writer.WriteStrU(indent);
  writer.WriteLnU(u"}");
}

}  // namespace

void TMultilevel::SaveToWriter(TUnicodeOutput& writer) const {
  WriteSection(writer, *this, "MULTILEVEL", u"");
}

void TMultilevel::SaveToFile(const std::u16string& fileName, int encoding) const {
  SaveToWriter(*CreateUnicodeOutputFile(fileName, encoding, leCRLF, true));
}

}  // namespace qv
