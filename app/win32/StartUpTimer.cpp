#include "app/win32/StartUpTimer.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

#include "base/Environment.h"

namespace qv::win32 {
namespace {

double Milliseconds(const FILETIME& time) {
  return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 1e4;
}

double Now() {
  FILETIME now;
  GetSystemTimePreciseAsFileTime(&now);
  return Milliseconds(now);
}

// From the process's creation, so that the first step also counts what the
// loader and the runtime did before the program's own code ran.
double ProcessStart() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return Now();
  return Milliseconds(created);
}

}  // namespace

TStartUpTimer::TStartUpTimer() : file_(EnvironmentVariable("QUORVEX_STARTUP_TIMES")) {
  if (!file_.empty()) times_.emplace(ProcessStart());
}

void TStartUpTimer::Done(std::string_view step) {
  if (times_) times_->Done(step, Now());
}

void TStartUpTimer::Write() {
  if (!times_) return;
  std::ofstream(std::filesystem::path(file_), std::ios::binary) << times_->Lines();
  times_.reset();
}

}  // namespace qv::win32
