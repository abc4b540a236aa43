#pragma once
// How qvtool's commands print: a document as the program would save it but
// without the byte order mark, and a document error with its line break.
#include <ostream>
#include <string>

#include "formats/Multilevel.h"

namespace qv::tool {

// Exit code 0, or 2 when standard output fails.
int PrintDocument(const TMultilevel& root, std::ostream& out);
// Exit code 1.
int PrintDocumentError(const EMultilevel& error, std::ostream& err);
// The same for a command that reads several files: the file's name first. Exit code 1.
int PrintFileError(const std::u16string& fileName, std::u16string_view message, std::ostream& err);

}  // namespace qv::tool
