#include <cinttypes>
#include <cstdio>
#include <ostream>

#include "commands.hpp"
#include "generator/bench.hpp"

namespace korvane::cli {

int benchCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  int races = 1000;
  if (args.size() > 1) {
    printUsage(err);
    return kExitUsage;
  }
  if (args.size() == 1) {
    const std::string_view text = args[0];
    long value = 0;
    for (char c : text) {
      if (c < '0' || c > '9' || value > 1'000'000) {
        value = -1;
        break;
      }
      value = value * 10 + (c - '0');
    }
    if (text.empty() || value < 1 || value > 1'000'000) {
      err << "korvane-cli: bench のレース数は 1 から 1000000 までです。\n";
      printUsage(err);
      return kExitUsage;
    }
    races = static_cast<int>(value);
  }
  const gen::BenchOutcome outcome = gen::runBench(races);
  char line[128];
  std::snprintf(line, sizeof line, "races %d\nsignature %016" PRIx64 "\n", races,
                outcome.signature);
  out << line;
  std::snprintf(line, sizeof line, "time per prediction %.1f us\n",
                outcome.secondsPerPrediction * 1e6);
  out << line << std::flush;
  if (!out) {
    err << "korvane-cli: 結果を書き出せませんでした（ディスクの空き容量を確かめて下さい）。\n";
    return kExitData;
  }
  return 0;
}

}  // namespace korvane::cli
