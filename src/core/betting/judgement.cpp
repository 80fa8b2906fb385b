#include "core/betting/judgement.hpp"

#include <algorithm>

#include "core/app/app_state.hpp"
#include "core/betting/odds.hpp"
#include "core/database/horse_fields.hpp"
#include "core/engine/yosou_result.hpp"
#include "core/text/sjis.hpp"
#include "core/views/index_strings.hpp"

namespace korvane {

namespace {

bool contains(const std::vector<int>& list, int slot) {
  return std::find(list.begin(), list.end(), slot) != list.end();
}

// The marked runner slots, ◎ first, leaving out anything that is no runner of the race.
std::vector<int> markedSlots(const TYosouResult& result, int runnerCount) {
  std::vector<int> marked;
  for (int m = 0; m < result.markCount && m < kMaxMarks; ++m) {
    const int slot = result.markOrder[m];
    if (slot >= 1 && slot <= runnerCount && !contains(marked, slot)) marked.push_back(slot);
  }
  return marked;
}

// Stronger horses first: the place of each slot in the コルバン指数 order (a slot the order does
// not hold keeps its place behind the others).
void sortByKorvane(std::vector<int>& slots, const TYosouResult& result) {
  std::array<int, kMaxRunners + 1> place{};
  place.fill(kMaxRunners + 1);
  for (int i = 0; i < result.korvaneOrder.size && i < kMaxRunners; ++i) {
    const int slot = result.korvaneOrder.slot[i];
    if (slot >= 1 && slot <= kMaxRunners && place[slot] > kMaxRunners) place[slot] = i;
  }
  std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) { return place[a] < place[b]; });
}

// The overall list, which counts as full at seven horses and never holds a horse twice.
class Overall {
 public:
  explicit Overall(std::vector<int>& list) : list_(list) {}
  bool full() const { return static_cast<int>(list_.size()) >= kMaxOverall; }
  bool add(int slot) {
    if (full() || contains(list_, slot)) return false;
    list_.push_back(slot);
    return true;
  }
  // The horses of a user class that the program marked too, in mark order, then the rest of
  // the class in its own order.
  void addClass(const std::vector<int>& rated, const std::vector<int>& marked) {
    for (int slot : marked) {
      if (contains(rated, slot)) add(slot);
    }
    for (int slot : rated) add(slot);
  }

 private:
  std::vector<int>& list_;
};

std::string listItem(const Judgement& j, int slot) {
  return j.number[slot] + " " + j.name[slot];
}

const std::string& separator21() {
  static const std::string line(21, '-');
  return line;
}

const std::string& separator23() {
  static const std::string line(23, '-');
  return line;
}

}  // namespace

std::string runnerNumber(int slot) {
  return padLeft(std::to_string(slot), 2);
}

std::string pairText(int slotA, int slotB) {
  return runnerNumber(std::min(slotA, slotB)) + "-" + runnerNumber(std::max(slotA, slotB));
}

double estimatedQuinellaOdds(double winOddsA, double winOddsB) {
  return winOddsA * winOddsB / 2.0;
}

std::string oddsText(double odds) {
  if (odds == 0.0) return "  ??";
  return padLeft(oddsFigure(odds, 4), 4);
}

int betCountFor(BetKind judgeClass, int n, int maxBets) {
  int count = 0;
  if (judgeClass == BetKind::OneAxis) {
    count = n - 1;
  } else if (judgeClass == BetKind::TwoAxes) {
    count = 2 * n - 3;
    if (count > maxBets) count = maxBets % 2 == 1 ? maxBets : maxBets - 1;
  } else {
    count = n * (n - 1) / 2;
    // A box is of 2, 3, 4 or 5 horses: the largest whose bets fit.
    if (count > maxBets) {
      count = maxBets <= 2 ? 1 : maxBets <= 5 ? 3 : maxBets <= 9 ? 6 : 10;
    }
  }
  return std::clamp(count, 0, maxBets);
}

namespace {

// 「コルバン」の有力馬: the marked horses in mark order; the line closes the group of axis horses.
std::vector<std::string> programCandidates(const Judgement& j, const std::vector<int>& marked,
                                           BetKind confidenceClass) {
  if (marked.empty()) return {sj("評価できる馬がいません")};
  std::vector<std::string> items;
  for (std::size_t i = 0; i < marked.size(); ++i) {
    items.push_back(listItem(j, marked[i]));
    if ((i == 0 && confidenceClass == BetKind::OneAxis) ||
        (i == 1 && confidenceClass == BetKind::TwoAxes)) {
      items.push_back(separator21());
    }
  }
  return items;
}

// The user's classes in slot order. A scratched slot is out of the race whatever rank its line
// in the file holds.
void sortUserRatings(Judgement& j, const TRaceCard& card) {
  for (int k = 1; k <= j.runnerCount; ++k) {
    if (card.runner[k] == 0) continue;
    switch (card.userRank[k]) {
      case 1:
        j.rated1.push_back(k);
        break;
      case 2:
        j.rated2.push_back(k);
        break;
      case 4:
        j.rated4.push_back(k);
        break;
      case 5:
        j.rated5.push_back(k);
        break;
      default:
        break;
    }
  }
}

// ユーザー予想の有力馬: the 絶対連絡む horses, then below a line the 上位必至 horses.
std::vector<std::string> userCandidates(const Judgement& j) {
  std::vector<std::string> items;
  for (int slot : j.rated1) items.push_back(listItem(j, slot));
  if (!j.rated2.empty()) {
    if (!j.rated1.empty()) items.push_back(separator21());
    for (int slot : j.rated2) items.push_back(listItem(j, slot));
  }
  return items;
}

// The user's sure horses decide the kind of bet: one is an axis, two are the two axes, more are
// boxed. Without them the program's class stands, an open race when nothing is marked.
BetKind kindOfBet(BetKind confidenceClass, std::size_t sureHorses) {
  if (sureHorses == 1) return BetKind::OneAxis;
  if (sureHorses == 2) return BetKind::TwoAxes;
  if (sureHorses >= 3) return BetKind::Box;
  return confidenceClass == BetKind::None ? BetKind::Box : confidenceClass;
}

// The overall list: the user's sure horses, the program's axis horses, the user's near-top
// horses, then the other marked horses. An overall list of one horse is bet as its axis.
void fillOverall(Judgement& j, const std::vector<int>& marked, BetKind confidenceClass) {
  Overall overall(j.overall);
  const auto ratedDown = [&](int slot) {
    return contains(j.rated4, slot) || contains(j.rated5, slot);
  };
  if (!j.rated1.empty()) overall.addClass(j.rated1, marked);

  // The program's own axis horses, unless the user has written them off.
  int axes = 0;
  if (marked.size() == 1 || (!marked.empty() && confidenceClass == BetKind::OneAxis)) {
    axes = 1;
  } else if (!marked.empty() && confidenceClass == BetKind::TwoAxes) {
    axes = 2;
  }
  for (int slot : marked) {
    if (axes == 0) break;
    if (ratedDown(slot)) continue;
    overall.add(slot);
    --axes;
  }

  if (j.overall.empty()) {
    j.judgeClass = BetKind::Box;
  } else if (j.overall.size() == 1 && j.judgeClass <= BetKind::TwoAxes) {
    j.judgeClass = BetKind::OneAxis;
  }

  if (!j.rated2.empty()) overall.addClass(j.rated2, marked);
  for (int slot : marked) {
    if (!ratedDown(slot)) overall.add(slot);
  }
  // たぶん下位 only fills what is left; 絶対来ない never comes in.
  for (int slot : marked) {
    if (!contains(j.rated5, slot)) overall.add(slot);
  }
}

}  // namespace

Judgement judgeRace(const TRaceCard& card, const HorseStore& store, const TYosouResult& result,
                    const std::array<std::string, 6>& symbols, UserEvaluations evaluations) {
  Judgement j;
  const int n = std::clamp(card.runnerCount, 0, kMaxRunners);
  j.runnerCount = n;
  j.symbols = symbols;
  j.confidence = result.confidence;
  for (int k = 1; k <= n; ++k) {
    j.number[k] = runnerNumber(k);
    j.name[k] = horseName(store, card.runner[k]);
    j.winOdds[k] = card.winOdds[k];
  }
  const std::vector<int> marked = markedSlots(result, n);
  j.sKouho = programCandidates(j, marked, result.confidenceClass);

  if (evaluations == UserEvaluations::FromCard) sortUserRatings(j, card);
  j.programOnly = j.rated1.empty() && j.rated2.empty() && j.rated4.empty() && j.rated5.empty();
  j.uKouho = userCandidates(j);
  sortByKorvane(j.rated1, result);
  sortByKorvane(j.rated2, result);

  j.judgeClass = kindOfBet(result.confidenceClass, j.rated1.size());
  fillOverall(j, marked, result.confidenceClass);
  return j;
}

Judgement judgeRace(const AppState& app, UserEvaluations evaluations) {
  return judgeRace(app.card, app.store, app.result, app.settings.symbols, evaluations);
}

namespace {

// D1 .. Dn of the overall list, 1-based as the rules count them.
int overallSlot(const Judgement& j, int i) {
  return j.overall[static_cast<std::size_t>(i - 1)];
}

std::string markedItem(const Judgement& j, int i) {
  const int slot = overallSlot(j, i);
  return markSymbol(j.symbols, i) + j.number[slot] + " " + j.name[slot];
}

// 総合判定結果 from D2 on: the dashed line closes the group of horses that the bets use; the
// program's own judgement ends with the reliability of its top mark.
void listOverall(const Judgement& j, BetLists& bets) {
  const int n = static_cast<int>(j.overall.size());
  const int m = bets.maxBets;
  const int betCount = bets.betCount;
  if (j.judgeClass == BetKind::OneAxis) {
    bets.sougou.push_back(separator23());
    bets.sougou.push_back(markedItem(j, 2));
  } else {
    bets.sougou.push_back(markedItem(j, 2));
    if (n > 2 && (j.judgeClass == BetKind::TwoAxes || (j.judgeClass == BetKind::Box && m <= 2))) {
      bets.sougou.push_back(separator23());
    }
  }
  for (int i = 3; i <= n; ++i) {
    const bool closesGroup =
        (j.judgeClass == BetKind::Box && m >= 3 && i == betCount / 3 + 3) ||
        (j.judgeClass == BetKind::TwoAxes && m >= 3 && i == betCount / 2 + 3) ||
        (j.judgeClass == BetKind::OneAxis && i == betCount + 2);
    if (closesGroup) bets.sougou.push_back(separator23());
    bets.sougou.push_back(markedItem(j, i));
  }
  if (j.programOnly) {
    bets.sougou.emplace_back();
    bets.sougou.push_back(j.symbols[0] + sj("の信頼度は") + std::to_string(j.confidence) +
                          sj("％"));
  }
}

// The quinella bets with their estimated odds, the first three in the upper list and the rest
// below, and the summary of how they are bought.
void listQuinellaBets(const Judgement& j, BetLists& bets) {
  const int n = static_cast<int>(j.overall.size());
  const int m = bets.maxBets;
  const int betCount = bets.betCount;
  const std::string& first = j.symbols[0];
  int placed = 0;
  const auto bet = [&](int a, int b) {
    if (a > n || b > n) return;
    const int slotA = overallSlot(j, a), slotB = overallSlot(j, b);
    const std::string pair = pairText(slotA, slotB);
    const std::string odds = oddsText(estimatedQuinellaOdds(j.winOdds[slotA], j.winOdds[slotB]));
    if (placed < 3) {
      bets.kaime1.push_back(pair + "  " + odds + sj("倍 "));
    } else {
      bets.kaime2.push_back(" " + pair + "    " + odds + sj("倍    "));
    }
    ++placed;
  };
  const auto summary = [&](const std::string& kind, int count) {
    bets.kaime3.push_back(kind);
    bets.kaime3.push_back(sj(" （計") + std::to_string(count) + sj("点）"));
  };

  int axisEnd = j.judgeClass == BetKind::OneAxis ? std::min(n, m + 1) : m <= 2 ? 2 : 3;
  if (betCount == 1) axisEnd = 2;
  for (int i = 2; i <= axisEnd; ++i) bet(1, i);

  if (betCount == 1) {
    bets.kaime3.push_back(sj("１点買い"));
  } else if (j.judgeClass == BetKind::OneAxis) {
    summary(first + sj("から流し"), betCount);
  } else {
    bet(2, 3);
    if (betCount == 3) {
      summary(sj("3頭ボックス"), 3);
    } else if (j.judgeClass == BetKind::Box) {
      for (int i = 1; i <= 3; ++i) bet(4, i);
      if (betCount == 6) {
        summary(sj("4頭ボックス"), 6);
      } else {
        for (int i = 1; i <= 4; ++i) bet(5, i);
        summary(sj("5頭ボックス"), 10);
      }
    } else {
      const int last = std::min(n, (m + 1) / 2 + 1);
      for (int i = 4; i <= last; ++i) bet(1, i);
      for (int i = 4; i <= last; ++i) bet(2, i);
      summary(first + sj("＆") + j.symbols[1] + sj("から流し"), betCount);
    }
  }
}

// Win and place only on an axis horse; wide on the strongest quinella pairs.
void listWinPlaceWide(const Judgement& j, BetLists& bets) {
  const int m = bets.maxBets;
  if (j.judgeClass > BetKind::Box) {
    const auto win = [&](int i) {
      const int slot = overallSlot(j, i);
      return j.number[slot] + "  " + oddsText(j.winOdds[slot]) + sj("倍");
    };
    bets.tanshou.push_back(win(1));
    if (j.judgeClass == BetKind::TwoAxes && bets.betCount >= 3) bets.tanshou.push_back(win(2));
    bets.fukushou.push_back(j.number[overallSlot(j, 1)]);
  }
  for (std::size_t i = 0; i < bets.kaime1.size(); ++i) {
    if (i == 0 || m >= 5) bets.wide.push_back(bets.kaime1[i].substr(0, 5));
  }
  if (m >= 9) {
    for (std::size_t i = 0; i < bets.kaime2.size() && i < 2; ++i) {
      bets.wide.push_back(bets.kaime2[i].substr(1, 5));
    }
  }
}

}  // namespace

BetLists computeBets(const Judgement& j, int maxBets) {
  BetLists bets;
  bets.maxBets = std::clamp(maxBets, kMinBets, kMaxBets);
  const int n = static_cast<int>(j.overall.size());
  bets.kaimeLbl = j.runnerCount <= 8 ? sj("枠連") : sj("馬連");
  if (n == 0) {
    bets.sougou.push_back(sj("評価できる馬がいません"));
    return bets;
  }
  bets.betCount = betCountFor(j.judgeClass, n, bets.maxBets);
  bets.sougou.push_back(markedItem(j, 1));
  // A single horse is bet to win and to place, without odds.
  if (n == 1) {
    bets.tanshou.push_back(j.number[overallSlot(j, 1)]);
    bets.fukushou.push_back(j.number[overallSlot(j, 1)]);
    return bets;
  }
  listOverall(j, bets);
  listQuinellaBets(j, bets);
  listWinPlaceWide(j, bets);
  return bets;
}

}  // namespace korvane
