#pragma once
// The generator's own random numbers: splitmix64, so that a seed gives the same horses on every
// compiler and library (the standard distributions do not promise that).

#include <cstdint>
#include <vector>

namespace korvane::gen {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1), 53 bits.
  double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
  // Uniform integer in [lo, hi].
  int between(int lo, int hi) {
    return lo + static_cast<int>(next() % static_cast<std::uint64_t>(hi - lo + 1));
  }
  bool chance(double p) { return unit() < p; }
  // Roughly normal with mean 0 and deviation 1 (sum of four uniforms): bounded, which keeps
  // every simulated time and margin plausible.
  double bell() { return (unit() + unit() + unit() + unit() - 2.0) * 1.7320508075688772; }
  // Index drawn with the given weights.
  int weighted(const std::vector<int>& weights) {
    int total = 0;
    for (int w : weights) total += w;
    int pick = between(0, total - 1);
    for (int i = 0; i < static_cast<int>(weights.size()); ++i) {
      if (pick < weights[i]) return i;
      pick -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
  }
  template <class T>
  void shuffle(std::vector<T>& items) {
    for (int i = static_cast<int>(items.size()) - 1; i > 0; --i) {
      const int j = between(0, i);
      std::swap(items[i], items[j]);
    }
  }

 private:
  std::uint64_t state_;
};

}  // namespace korvane::gen
