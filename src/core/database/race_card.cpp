#include "core/database/race_card.hpp"

#include <algorithm>

#include "core/text/sjis.hpp"

namespace korvane {

const std::array<std::string, kDevelopmentCount>& developments() {
  static const std::array<std::string, kDevelopmentCount> texts{
      sj("逃げ先行断然"), sj("逃げ先行有利"), sj("展開不問"), sj("差し追込有利"),
      sj("差し追込断然")};
  return texts;
}

TRaceCard::TRaceCard()
    : course(sj("東京")), surface(sj("芝")), going(sj("良")), development(developments()[1]) {
  userRank.fill(3);
}

std::string standardDevelopment(std::string_view surface, std::string_view course, int distance,
                                std::string_view going) {
  static const std::string turf = sj("芝"), tokyo = sj("東京"), kyotoOuter = sj("京都(外)"),
                           niigataOuter = sj("新潟(外)"), hanshinOuter = sj("阪神(外)"),
                           heavy = sj("重"), bad = sj("不良");
  const bool open = surface == turf &&
                    (distance >= 3000 || (course == tokyo && distance >= 1600) ||
                     ((course == kyotoOuter || course == niigataOuter || course == hanshinOuter) &&
                      distance >= 1800));
  const bool softGround = going == heavy || going == bad;
  return developments()[open && !softGround ? 2 : 1];
}

bool hasRunner(const TRaceCard& card, int horse) {
  for (int k = 1; k <= card.runnerCount; ++k) {
    if (card.runner[k] == horse) return true;
  }
  return false;
}

namespace {

void clearSlot(TRaceCard& card, int k) {
  card.disregard[k] = {};
  card.winOdds[k] = 0.0;
  card.userRank[k] = 3;
}

void swapSlots(TRaceCard& card, int a, int b) {
  std::swap(card.runner[a], card.runner[b]);
  std::swap(card.disregard[a], card.disregard[b]);
  std::swap(card.winOdds[a], card.winOdds[b]);
  std::swap(card.userRank[a], card.userRank[b]);
}

}  // namespace

bool addRunner(TRaceCard& card, int horse) {
  // The 18-runner limit has its own message at the caller; the test here only keeps the slot
  // arrays safe.
  if (hasRunner(card, horse) || card.runnerCount >= kMaxRunners) return false;
  const int k = ++card.runnerCount;
  card.runner[k] = horse;
  clearSlot(card, k);
  card.oddsComplete = false;
  return true;
}

// Popularity is kept per slot, so every change of the slot order ranks the field again: a
// favourite moved to another horse number must stay the favourite, and taking out the one runner
// without odds completes the odds of the rest.
void removeRunner(TRaceCard& card, int slot) {
  if (slot < 1 || slot > card.runnerCount) return;
  for (int k = slot; k < card.runnerCount; ++k) swapSlots(card, k, k + 1);
  // The freed slot must not hand the removed horse's odds or disregards to the next entry.
  const int freed = card.runnerCount--;
  card.runner[freed] = 0;
  clearSlot(card, freed);
  recomputeAnyDisregard(card);
  recomputeOdds(card);
}

void moveUp(TRaceCard& card, int slot) {
  if (slot < 2 || slot > card.runnerCount) return;
  swapSlots(card, slot, slot - 1);
  recomputeOdds(card);
}

void moveDown(TRaceCard& card, int slot) {
  if (slot < 1 || slot >= card.runnerCount) return;
  swapSlots(card, slot, slot + 1);
  recomputeOdds(card);
}

void scratch(TRaceCard& card, int slot) {
  if (slot < 1 || slot > card.runnerCount) return;
  card.runner[slot] = 0;
  clearSlot(card, slot);
  card.winOdds[slot] = kScratchedOdds;
  recomputeAnyDisregard(card);
  recomputeOdds(card);
}

void clearCard(TRaceCard& card) {
  card.runnerCount = 0;
  for (int k = 1; k <= kMaxRunners; ++k) clearSlot(card, k);
  card.anyDisregard = false;
  card.oddsComplete = false;
  card.popularity = {};
}

void recomputeOdds(TRaceCard& card) {
  card.oddsComplete = card.runnerCount >= 1;
  for (int k = 1; k <= card.runnerCount; ++k) {
    if (card.winOdds[k] == 0.0) card.oddsComplete = false;
  }
  card.popularity = {};
  if (!card.oddsComplete) return;
  for (int k = 1; k <= card.runnerCount; ++k) {
    int lower = 0;
    for (int j = 1; j <= card.runnerCount; ++j) {
      if (card.winOdds[j] < card.winOdds[k]) ++lower;
    }
    card.popularity[k] = 1 + lower;
  }
}

void recomputeAnyDisregard(TRaceCard& card) {
  card.anyDisregard = false;
  for (int k = 1; k <= card.runnerCount; ++k) {
    for (int r = 1; r <= 5; ++r) card.anyDisregard = card.anyDisregard || card.disregard[k][r];
  }
}

}  // namespace korvane
