// The start-up's step times under Wine: asked for through the environment,
// one line per step in the order the program takes them; not asked for,
// not a file more.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/win32/ProgramFixture.h"

namespace qv::test {
namespace {

struct TStepLine {
  std::string Name;
  double Took = -1;
  double End = -1;
};

std::vector<TStepLine> ReadSteps(const fs::path& file) {
  std::vector<TStepLine> steps;
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    TStepLine step;
    std::istringstream fields(line);
    std::getline(fields, step.Name, '\t');
    fields >> step.Took >> step.End;
    steps.push_back(step);
  }
  return steps;
}

std::set<fs::path> FilesUnder(const fs::path& folder) {
  std::set<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) files.insert(entry.path());
  return files;
}

TEST_F(ProgramTest, StartUpTimesFollowTheStepsOnlyWhenAsked) {
  const fs::path times = folder.path() / "times.txt";
  SetEnvironmentVariableW(L"QUORVEX_STARTUP_TIMES", times.wstring().c_str());
  ChildProcess& timed = Start();
  SetEnvironmentVariableW(L"QUORVEX_STARTUP_TIMES", nullptr);
  ASSERT_NE(WaitForMainWindow(timed), nullptr);
  ASSERT_TRUE(Close(timed));

  const std::vector<std::string> order{"initialisation", "version",     "language hooks",   "language file",
                                       "translators",    "hand-off",    "program settings", "joystick",
                                       "windows",        "translation", "profile",          "show",
                                       "polling"};
  const auto steps = ReadSteps(times);
  std::vector<std::string> names;
  for (const auto& step : steps) names.push_back(step.Name);
  EXPECT_EQ(names, order);
  // Each step ends where the next begins, counted from the process's start.
  double end = 0;
  for (const auto& step : steps) {
    EXPECT_GE(step.Took, 0) << step.Name;
    EXPECT_NEAR(step.End, end + step.Took, 0.2) << step.Name;
    end = step.End;
  }
  EXPECT_GT(end, 0);

  fs::remove(times);
  const auto before = FilesUnder(folder.path());
  ChildProcess& untimed = Start();
  ASSERT_NE(WaitForMainWindow(untimed), nullptr);
  ASSERT_TRUE(Close(untimed));
  EXPECT_EQ(FilesUnder(folder.path()), before);
}

}  // namespace
}  // namespace qv::test
