#include "tools/QvToolOutput.h"

#include <algorithm>
#include <string>

#include "base/Utf.h"

namespace qv::tool {
namespace {

// The message's CR separates title and detail; on a terminal it is a line break.
std::string TerminalText(std::string text) {
  std::replace(text.begin(), text.end(), '\r', '\n');
  return text;
}

}  // namespace

int PrintDocument(const TMultilevel& root, std::ostream& out) {
  TMemoryStream stream;
  root.SaveToWriter(*CreateUnicodeOutput(stream, encUtf8, false, leCRLF));
  out.write(reinterpret_cast<const char*>(stream.Bytes().data()),
            static_cast<std::streamsize>(stream.Size()));
  return out.flush() ? 0 : 2;
}

int PrintDocumentError(const EMultilevel& error, std::ostream& err) {
  err << TerminalText(error.what()) << '\n';
  return 1;
}

int PrintFileError(const std::u16string& fileName, std::u16string_view message, std::ostream& err) {
  err << ToUtf8(fileName) << ": " << TerminalText(ToUtf8(message)) << '\n';
  return 1;
}

}  // namespace qv::tool
