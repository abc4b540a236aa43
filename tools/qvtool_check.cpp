// qvtool check FILE: reads a document in any encoding and prints it as the
// program would save it (UTF-8, CR LF, no byte order mark), or the reader's
// error message. Exit 0 on success, 1 for a document error, 2 when the file
// cannot be read or the usage is wrong.
#include <algorithm>

#include "base/Utf.h"
#include "formats/Multilevel.h"
#include "tools/QvToolCommands.h"

namespace qv::tool {

int RunCheck(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: qvtool check FILE\n";
    return 2;
  }
  TMultilevel root;
  try {
    root.LoadFromFile(FromUtf8(args[0]));
  } catch (const EMultilevel& e) {
    // The message's CR separates title and detail; on a terminal it is a line break.
    std::string text = e.what();
    std::replace(text.begin(), text.end(), '\r', '\n');
    err << text << '\n';
    return 1;
  } catch (const Error& e) {
    err << "qvtool: " << e.what() << '\n';
    return 2;
  }
  TMemoryStream stream;
  root.SaveToWriter(*CreateUnicodeOutput(stream, encUtf8, false, leCRLF));
  out.write(reinterpret_cast<const char*>(stream.Bytes().data()),
            static_cast<std::streamsize>(stream.Size()));
  return out.flush() ? 0 : 2;
}

}  // namespace qv::tool
