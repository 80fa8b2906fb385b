#pragma once
// Adding, replacing and deleting horse blocks while keeping the pages packed, the display order
// and the runner slots consistent.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"
#include "core/text/line_file.hpp"

namespace korvane {

// Appends a horse from its 41 record lines at the end of the pages (count and header line 61
// follow) without placing it in the display order or marking the store modified: for building a
// whole set at once, after which the caller sets the order (sortOrderByName). Returns its index,
// 0 when the store is full.
int appendBlock(HorseStore& store, std::span<const std::string_view> record);

// Appends a horse from its 41 record lines (requires count < 12000), computes its style, puts it
// into the display order by name and returns its index.
int appendHorse(HorseStore& store, std::span<const std::string_view> record);
// The message when a horse would be one more than the 12000 the store holds.
std::vector<std::string> tooManyHorsesMessage();
void insertIntoOrder(HorseStore& store, int n);
void sortOrderByName(HorseStore& store);
// Overwrites lines 1-41 of horse n and recomputes its style.
void replaceHorse(HorseStore& store, int n, std::span<const std::string_view> record);

// The same for a record kept as strings (a new horse, the lines an editor built).
inline int appendBlock(HorseStore& store, std::span<const std::string> record) {
  return appendBlock(store, lineViews(record));
}
inline int appendHorse(HorseStore& store, std::span<const std::string> record) {
  return appendHorse(store, lineViews(record));
}
inline void replaceHorse(HorseStore& store, int n, std::span<const std::string> record) {
  replaceHorse(store, n, lineViews(record));
}
// Removes horse n, closes the gap across the pages, fixes the order and the runner slots (a slot
// of the deleted horse becomes scratched). Returns the horse now at n's former position in the
// display order (0 when n was last): the new current horse.
int deleteHorse(HorseStore& store, TRaceCard& card, int n);
// Removes the horses `gone` (ascending indexes, each at most once) in one pass over the pages,
// with the same result as deleting them one at a time: every later horse moves down by the
// number of removed horses before it, the display order and the runner slots follow.
void deleteHorses(HorseStore& store, TRaceCard& card, std::span<const int> gone);

}  // namespace korvane
