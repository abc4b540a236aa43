#pragma once
// How long each start-up step took, for finding what makes a start slow.
// Kept in memory while the program starts and written out once at the end
// of it, so that timing the steps costs next to nothing itself.
#include <string>
#include <string_view>
#include <vector>

namespace qv {

class TStepTimes {
 public:
  // origin: the process's start, in milliseconds on the clock of Done's now.
  explicit TStepTimes(double origin) : origin_(origin), last_(origin) {}

  // The step named step ended at now (milliseconds, same clock as origin).
  void Done(std::string_view step, double now);
  // One line per step in the order they were done: its name, the
  // milliseconds it took and the milliseconds from the process's start to
  // its end, separated by tabs.
  std::string Lines() const;

 private:
  struct TStep {
    std::string Name;
    double Took;
    double End;
  };
  double origin_;
  double last_;
  std::vector<TStep> steps_;
};

}  // namespace qv
