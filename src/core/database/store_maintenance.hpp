#pragma once
// Whole-database maintenance: every horse a year older or younger, and the choice of the horses
// that have not raced for some years, to be moved out into a race file.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/horse_store.hpp"

namespace korvane {

// One run moves at most one page of the store, so the moved-horses file stays a race file of at
// most 750 blocks.
inline constexpr int kMaxMovedHorses = kHorsesPerPage;

// Adds `step` (+1 or -1) to the age of every horse, kept between 1 and 99; only bytes 19-20 of
// line 1 change. Does not touch `modified`.
void changeAllAges(HorseStore& store, int step);

// The cut-off year of "not raced for `years` years": the two-digit year `years` before today's,
// 100 added when it falls below 0.
int cutOffYear(int todayYear, int years);

// Whether a horse whose latest run was in the meeting month `latest` (YYMM) has not raced for
// `years` years. Two-digit years are read in a 50-year window around the cut-off year; "0000"
// (no dated run) is never old.
bool lastRanLongAgo(std::string_view latest, int todayYear, int todayMonth, int years);

// The horses that have not raced for `years` years, in index order, at most kMaxMovedHorses.
std::vector<int> findOldHorses(const HorseStore& store, int todayYear, int todayMonth, int years);

// The race file of moved horses: the header of an empty race without runners, then their blocks;
// line 61 gives their number.
std::vector<std::string> movedHorsesFile(const HorseStore& store, std::span<const int> horses);

}  // namespace korvane
