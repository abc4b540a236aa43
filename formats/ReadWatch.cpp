#include "formats/ReadWatch.h"

namespace qv {
namespace {

ReadWatch* installed = nullptr;

}  // namespace

void InstallReadWatch(ReadWatch* watch) { installed = watch; }

void ReportLooked(const TVariable& variable) {
  if (installed) installed->Looked(variable);
}

void ReportUnreadable(const TVariable* variable, std::u16string_view used) {
  if (installed && variable) installed->Unreadable(*variable, used);
}

}  // namespace qv
