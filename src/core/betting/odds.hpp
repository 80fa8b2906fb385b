#pragma once
// Win odds (単勝オッズ) typed by the user, or derived from a few quinella (馬連) odds, and the
// texts of the odds windows. Odds are multiples of the stake (倍率): 2.2 pays 2.2 times.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/race_card.hpp"
#include "core/views/odds_figure.hpp"

namespace korvane {

struct AppState;

// A typed value as odds: text that is no decimal number reads as 0, and anything not above 0 or
// at 9999 and beyond counts as キャンセル (nothing). Full-width digits and point are read too.
std::optional<double> readOddsInput(std::string_view text);

// Typed odds are kept with one decimal: the value formatted with one decimal and read back.
double roundOdds(double odds);
// A typed win odds as stored: read as above, rounded, and refused when the rounding made it 0.0
// (not entered) or 9999.0 (the mark of a scratched runner).
std::optional<double> readWinOddsInput(std::string_view text);

// True when the slot's runner was withdrawn (出走取消).
bool isScratched(const TRaceCard& card, int slot);

// Win odds window rows of slot k: NinkiLst " ", " " + popularity in 2 columns or " ??" for a
// scratched slot; OddsLst " " + the odds in 4 columns, empty when not entered or scratched.
std::string popularityItem(const TRaceCard& card, int slot);
std::string winOddsItem(const TRaceCard& card, int slot);
// The value shown in the input window (the list's text without its blanks).
std::string winOddsValue(double odds);
// "k 馬名の単勝オッズ"; the name of a scratched slot is 出走取消.
std::string winOddsQuestion(const AppState& app, int slot);

// The quinella odds of the quinella window, kept only while it is open. With N runners entry i
// (1..N-1) is the pair 1-(i+1) and entry N the pair 2-3; 0.0 = not entered.
class QuinellaOdds {
 public:
  explicit QuinellaOdds(int runnerCount);

  int entries() const { return static_cast<int>(odds_.size()); }
  double at(int entry) const { return odds_[static_cast<std::size_t>(entry - 1)]; }
  void set(int entry, double odds) { odds_[static_cast<std::size_t>(entry - 1)] = odds; }
  bool complete() const;

  // UmarenLst: "１-２" … "１-９", "１-10" …, last "２-３".
  std::string pairItem(int entry) const;
  // OddsLst: " " + the odds in 5 columns, blank while not entered.
  std::string oddsItem(int entry) const;
  std::string value(int entry) const;  // without the blanks
  // "馬連 1-2 のオッズ" … "馬連 2-3 のオッズ".
  std::string question(int entry) const;

 private:
  std::vector<double> odds_;
};

// The win odds the quinella odds imply: horse 1 gets sqrt(2 x q12 x q13 / q23), horse i+1 gets
// 2 x q1(i+1) / (horse 1's odds). Nothing when an entry is missing.
std::optional<std::vector<double>> winOddsFromQuinella(const QuinellaOdds& odds);

}  // namespace korvane
