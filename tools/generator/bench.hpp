#pragma once
// The fixed list of generated races that `korvane-cli bench` predicts, and the signature of the
// results: one number that changes when any shown string or any computed value changes.

#include <cstdint>
#include <string_view>

#include "generator/files.hpp"

namespace korvane {
struct AppState;
struct PredictionColumns;
struct TYosouResult;
}  // namespace korvane

namespace korvane::gen {

// Race i of the list: a field of 8 to 18 runners from one class, some with a scratched slot,
// odds or disregarded runs, as its race file would load.
RaceSet benchRace(int i);

// FNV-1a 64, fed in a fixed byte order.
class Fnv1a {
 public:
  void add(std::string_view bytes);
  void add(std::int64_t value);  // eight bytes, little end first
  std::uint64_t value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ull;
};

// Adds every value of the result and every string of the columns.
void addPrediction(Fnv1a& hash, const TYosouResult& result, const PredictionColumns& columns);

struct BenchOutcome {
  std::uint64_t signature = 0;
  double secondsPerPrediction = 0.0;  // the run and the columns, loading excluded
};

// Predicts races 0..n-1 of the list and judges each for every 最大買い目数, once as the
// program's own judgement and once with classes the user might have given.
BenchOutcome runBench(int n);
inline std::uint64_t benchSignature(int n) {
  return runBench(n).signature;
}

// Puts a generated race into the program's state as loading its race file would.
void loadInto(AppState& app, const RaceSet& race);

}  // namespace korvane::gen
