#pragma once
// Ends start-up without a word: the profile went to the copy already
// running, or the user chose not to start a second one.
#include "base/Error.h"

namespace qv {

class EQuiet : public Error {
 public:
  EQuiet() : Error(u"") {}
};

}  // namespace qv
