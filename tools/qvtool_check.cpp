// qvtool check FILE: reads a document in any encoding and prints it as the
// program would save it (UTF-8, CR LF, no byte order mark), or the reader's
// error message. Exit 0 on success, 1 for a document error, 2 when the file
// cannot be read or the usage is wrong.
#include "base/Utf.h"
#include "formats/Multilevel.h"
#include "tools/QvToolCommands.h"
#include "tools/QvToolOutput.h"

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
    return PrintDocumentError(e, err);
  } catch (const Error& e) {
    err << "qvtool: " << e.what() << '\n';
    return 2;
  }
  return PrintDocument(root, out);
}

}  // namespace qv::tool
