#pragma once
// What a checker hears of a document's reads: every variable looked up, and
// every value that is there but could not be read, with what was used
// instead. The program installs no watch, so its optional reads fall back to
// their default without a word; qvtool installs one while it checks a file.
#include <string_view>

namespace qv {

class TVariable;

class ReadWatch {
 public:
  virtual ~ReadWatch() = default;
  virtual void Looked(const TVariable& variable) = 0;
  virtual void Unreadable(const TVariable& variable, std::u16string_view used) = 0;
};

// Null removes it. Reads on the thread that installed it only.
void InstallReadWatch(ReadWatch* watch);

// Both do nothing without a watch.
void ReportLooked(const TVariable& variable);
void ReportUnreadable(const TVariable* variable, std::u16string_view used);

}  // namespace qv
