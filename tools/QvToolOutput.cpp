#include "tools/QvToolOutput.h"

#include <algorithm>
#include <string>

namespace qv::tool {

int PrintDocument(const TMultilevel& root, std::ostream& out) {
  TMemoryStream stream;
  root.SaveToWriter(*CreateUnicodeOutput(stream, encUtf8, false, leCRLF));
  out.write(reinterpret_cast<const char*>(stream.Bytes().data()),
            static_cast<std::streamsize>(stream.Size()));
  return out.flush() ? 0 : 2;
}

int PrintDocumentError(const EMultilevel& error, std::ostream& err) {
  // The message's CR separates title and detail; on a terminal it is a line break.
  std::string text = error.what();
  std::replace(text.begin(), text.end(), '\r', '\n');
  err << text << '\n';
  return 1;
}

}  // namespace qv::tool
