#pragma once
// Fictional katakana horse names in cp932: at most 18 bytes (nine full-width characters), some
// with a full-width space between two words, never twice the same.

#include <set>
#include <string>

#include "generator/rng.hpp"

namespace korvane::gen {

class NameMaker {
 public:
  // A new name, distinct from every name this maker gave before.
  std::string next(Rng& rng);

 private:
  std::set<std::string> given_;
};

}  // namespace korvane::gen
