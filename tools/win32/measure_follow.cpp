// Measures whether the simulator's levers follow the physical ones: the
// stand-in simulator holds the focus with the example throttle and brake as
// levers of its own, while quorvex.exe, with the example profile, follows a
// random walk of the example controller's two levers (a fixed seed: every
// run walks the same way). After each move the stand-in's lever is compared
// with the physical one, once the move's taps have had their time; and the
// time from each move's due moment on the controller's timeline to the first
// key message at the stand-in is taken.
//
//   quorvex-measure-follow.exe FOLDER PROFILE SEED MOVES THROTTLE_HOLD THROTTLE_GAP BRAKE_HOLD BRAKE_GAP
//
// FOLDER holds quorvex.exe, quorvex-standin.exe, the language file and the
// example joystick settings (default.qvjoy); PROFILE is the profile there,
// whose levers tap with those holds and gaps (ms). The stand-in's levers need
// five sixths of each hold for a notch, so one tap of the profile's moves
// them exactly one.
#include <windows.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "sim/KeyLog.h"
#include "tools/win32/MeasureSupport.h"

namespace {

namespace fs = std::filesystem;

constexpr uint32_t Lead = 6000;   // ms of timeline before the first move: start-up and focus
constexpr uint32_t Settle = 400;  // ms after a move's last tap before the next move

// The example joystick settings' notches, and where the example profile
// has each lever stand at the start (its InitialPos).
struct TLever {
  const char* Name;
  int Axis;
  std::vector<int> Values;
  int Start;   // the notch, from 0
  int Resync;  // the most extra taps at an end
  WORD UpScan, DownScan;
  int Hold, Gap;
};

std::wstring Wide(const char* ascii) { return std::wstring(ascii, ascii + std::strlen(ascii)); }

std::wstring LeverOption(const TLever& lever) {
  return qv::test::StandInLeverOption(Wide(lever.Name), lever.UpScan, lever.DownScan,
                                      static_cast<int>(lever.Values.size()),
                                      qv::test::StandInNotchHold(lever.Hold), lever.Start);
}

struct TMove {
  uint32_t At;  // on the timeline
  size_t Lever;
  int Notch;
};

// Each move takes one lever to another notch; the next comes when the
// longest run of taps it can need has gone out.
std::vector<TMove> Walk(const std::array<TLever, 2>& levers, unsigned seed, int moves) {
  std::mt19937 random(seed);
  std::array<int, 2> notch{levers[0].Start, levers[1].Start};
  std::vector<TMove> walk;
  uint32_t at = Lead;
  for (int i = 0; i < moves; ++i) {
    const size_t lever = random() % 2;
    const auto count = static_cast<int>(levers[lever].Values.size());
    const int to = (notch[lever] + 1 + static_cast<int>(random() % static_cast<unsigned>(count - 1))) % count;
    walk.push_back({at, lever, to});
    // A gap of 0 is one as long as the hold.
    const int gap = levers[lever].Gap > 0 ? levers[lever].Gap : levers[lever].Hold;
    const int taps = std::abs(to - notch[lever]) + levers[lever].Resync;
    at += static_cast<uint32_t>(taps * (levers[lever].Hold + gap)) + Settle;
    notch[lever] = to;
  }
  return walk;
}

std::string Controller(const std::array<TLever, 2>& levers, const std::vector<TMove>& walk) {
  std::string text =
      "{ CONTROLLER\n  Name=Quorvex Virtual Train Controller\n  Axis0=Throttle lever\n  Axis1=Brake lever\n"
      "  Button0=Horn\n  Hat0=View hat\n  { TIMELINE\n    At=0\n";
  for (const TLever& lever : levers)
    text += "    Axis" + std::to_string(lever.Axis) + "=" +
            std::to_string(lever.Values[static_cast<size_t>(lever.Start)]) + "\n";
  for (const TMove& move : walk)
    text += "    At=" + std::to_string(move.At) + "\n    Axis" + std::to_string(levers[move.Lever].Axis) +
            "=" + std::to_string(levers[move.Lever].Values[static_cast<size_t>(move.Notch)]) + "\n";
  return text + "  }\n}\n";
}

struct TLogLine {
  std::optional<qv::sim::TKeyLogEntry> Key;
  std::optional<qv::sim::TLeverLogEntry> Lever;
};

std::vector<TLogLine> ReadLog(const fs::path& log) {
  std::vector<TLogLine> lines;
  std::ifstream in(log);
  for (std::string line; std::getline(in, line);)
    lines.push_back({qv::sim::ParseKeyLogLine(line), qv::sim::ParseLeverLogLine(line)});
  return lines;
}

void Report(const std::array<TLever, 2>& levers, const std::vector<TMove>& walk, uint32_t start,
            const std::vector<TLogLine>& log, uint32_t end) {
  std::array<int, 2> standIn{levers[0].Start, levers[1].Start};
  size_t next = 0;
  int equal = 0, firstMiss = -1;
  std::vector<double> latencies;
  std::array<int, 2> physical{levers[0].Start, levers[1].Start};
  for (size_t i = 0; i < walk.size(); ++i) {
    const uint32_t due = start + walk[i].At;
    const uint32_t until = i + 1 < walk.size() ? start + walk[i + 1].At : end;
    physical[walk[i].Lever] = walk[i].Notch;
    bool first = true;
    // Every line stamped before the next move belongs to this one.
    for (; next < log.size(); ++next) {
      const uint32_t time = log[next].Key     ? log[next].Key->Time
                            : log[next].Lever ? log[next].Lever->Time
                                              : due;
      if (static_cast<int32_t>(time - until) >= 0) break;
      if (log[next].Key && first && static_cast<int32_t>(time - due) >= 0) {
        latencies.push_back(static_cast<double>(time - due));
        first = false;
      }
      if (!log[next].Lever) continue;
      for (size_t l = 0; l < levers.size(); ++l)
        if (log[next].Lever->Lever == levers[l].Name) standIn[l] = log[next].Lever->To;
    }
    if (standIn == physical) {
      ++equal;
    } else if (firstMiss < 0) {
      firstMiss = static_cast<int>(i);
    }
  }
  std::printf("a random walk of %zu moves of the example throttle and brake:\n", walk.size());
  for (const TLever& lever : levers)
    std::printf("  %s: StepHold %d, StepGap %d; the stand-in's lever needs %d ms a notch\n", lever.Name,
                lever.Hold, lever.Gap, qv::test::StandInNotchHold(lever.Hold));
  std::printf("  the stand-in's levers equal the physical ones after %d of %zu moves", equal, walk.size());
  if (firstMiss >= 0) std::printf(" (first difference after move %d)", firstMiss + 1);
  std::printf(
      "\nfrom a lever change due on the controller's timeline to the first key message at the stand-in:\n");
  if (latencies.empty()) {
    std::printf("  no key arrived\n");
    return;
  }
  std::printf(
      "  over %zu of %zu changes (the others had no key before the next change): p50 %.0f ms, p99 %.0f ms, "
      "max %.0f ms\n",
      latencies.size(), walk.size(), qv::measure::Percentile(latencies, 0.5),
      qv::measure::Percentile(latencies, 0.99), qv::measure::Percentile(latencies, 1));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 9) {
    std::fprintf(
        stderr,
        "usage: quorvex-measure-follow FOLDER PROFILE SEED MOVES THROTTLE_HOLD THROTTLE_GAP BRAKE_HOLD "
        "BRAKE_GAP\n");
    return 2;
  }
  const auto number = [&](int i) { return static_cast<int>(std::wcstol(argv[i], nullptr, 10)); };
  const fs::path folder = argv[1];
  const std::array<TLever, 2> levers{
      TLever{"Throttle", 0, {1000, 13000, 26000, 39000, 52000, 64500}, 0, 2, 30, 32, number(5), number(6)},
      TLever{"Brake", 1, {1000, 20000, 40000, 64000}, 3, 1, 40, 39, number(7), number(8)}};
  for (const TLever& lever : levers) {
    if (lever.Hold < 6 || lever.Gap < 0) {
      std::fprintf(stderr, "%s: a hold of at least 6 ms is needed for a stand-in lever\n", lever.Name);
      return 2;
    }
  }
  const std::vector<TMove> walk = Walk(levers, static_cast<unsigned>(number(3)), std::max(1, number(4)));
  const fs::path log = folder / "follow-keys.log";
  fs::remove(log);
  qv::measure::TProgramRun program(folder, argv[2], Controller(levers, walk));
  if (program.Main() == nullptr || !program.TimelineStart()) {
    std::fprintf(stderr, "the program did not start, or did not say when its timeline began\n");
    return 1;
  }
  const uint32_t start = *program.TimelineStart();
  qv::test::ChildProcess standIn(L"\"" + (folder / "quorvex-standin.exe").wstring() + L"\" --log \"" +
                                 log.wstring() + L"\"" + LeverOption(levers[0]) + LeverOption(levers[1]));
  HWND window = qv::test::WaitForWindow([] { return FindWindowW(nullptr, qv::test::StandInTitle); });
  if (window == nullptr || !qv::test::BringToFront(window) ||
      static_cast<int32_t>(GetTickCount() - (start + Lead)) >= 0) {
    std::fprintf(stderr, "the stand-in did not take the focus before the first move\n");
    return 1;
  }
  const uint32_t end = start + walk.back().At + 3000;
  qv::measure::WaitForTick(end);
  Report(levers, walk, start, ReadLog(log), end);
  PostMessageW(window, WM_CLOSE, 0, 0);
  standIn.WaitExit(5000);
  return 0;
}
