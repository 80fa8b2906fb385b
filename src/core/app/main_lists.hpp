#pragma once
// What the main window's two lists show, and the search over the horse list.

#include <string>
#include <string_view>

#include "core/database/horse_store.hpp"
#include "core/database/race_card.hpp"

namespace korvane {

// Empty rows after the last horse, so that a search can bring the last horses to the top row.
inline constexpr int kHorseListTail = 15;

// The search box holds at most 18 bytes: a name's width.
inline constexpr std::size_t kSearchBytes = 18;

// The age column: 1..9 as one full-width digit, 10 and over in half-width digits.
std::string ageText(int age);

// A horse list row: display name (18 bytes), a blank, the sex, the age. "ハルウララ" aged 3
// reads "ハルウララ　　　　 牝３".
std::string horseListRow(const HorseStore& store, int horse);

// A runner list row: the horse's row, a blank and its running style; a scratched slot reads
// "（　出 　走 　取 　消　）".
std::string runnerListRow(const HorseStore& store, const TRaceCard& card, int slot);

// The search text after a letter button appended `piece` (empty for 検索): hiragana turned into
// katakana, as names are written in katakana and an input method may type hiragana (かのん finds
// カノンスター); then cut to 18 bytes, never through a double-byte character.
std::string appendToSearch(std::string_view text, std::string_view piece);

// ＢＳ: the text without its last character, once it is longer than one byte.
std::string backspaceSearch(std::string_view text);

// The first position of the display order whose horse's name begins with `text`, byte for
// byte; `count` (the first empty row) when none does. An empty text finds position 0.
int findHorse(const HorseStore& store, std::string_view text);

// The position of `horse` in the display order, or -1 when it is not there.
int orderPosition(const HorseStore& store, int horse);

}  // namespace korvane
