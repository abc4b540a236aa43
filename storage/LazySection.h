#pragma once
// A section that comes into the document only when its first member is
// written, so that nothing empty is ever saved.
#include <string>

#include "formats/Multilevel.h"

namespace qv {

class LazySection {
 public:
  LazySection(TMultilevel& parent, std::string name) : parent_(parent), name_(std::move(name)) {}
  TMultilevel& operator*() {
    if (!section_) section_ = parent_.AddSection(name_);
    return *section_;
  }
  TMultilevel* operator->() { return &**this; }

 private:
  TMultilevel& parent_;
  std::string name_;
  TMultilevel* section_ = nullptr;
};

}  // namespace qv
