#include "core/app/main_lists.hpp"

#include <algorithm>
#include <string_view>

#include "core/database/horse_fields.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

std::string ageText(int age) {
  if (age >= 0 && age <= 9) return fullWidthDigit(age);
  return std::to_string(age);
}

std::string horseListRow(const HorseStore& store, int horse) {
  return horseName(store, horse) + ' ' + horseSex(store, horse) + ageText(horseAge(store, horse));
}

std::string runnerListRow(const HorseStore& store, const TRaceCard& card, int slot) {
  const int horse = card.runner[static_cast<std::size_t>(slot)];
  if (horse == 0) return sj("（　出 　走 　取 　消　）");
  return horseListRow(store, horse) + ' ' + horseStyle(store, horse);
}

std::string appendToSearch(std::string_view text, std::string_view piece) {
  std::string joined(text);
  joined += piece;
  return cutBytes(hiraganaToKatakana(joined), kSearchBytes);
}

std::string backspaceSearch(std::string_view text) {
  if (text.size() <= 1) return std::string(text);
  // Keyboard input may mix half-width characters in: the last character, not blindly the last
  // two bytes, so that no half of a double-byte character is left behind.
  std::size_t last = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += charBytesAt(text, pos)) last = pos;
  return std::string(text.substr(0, last));
}

int findHorse(const HorseStore& store, std::string_view text) {
  for (int position = 0; position < store.count; ++position) {
    const std::string name = horseName(store, store.order[static_cast<std::size_t>(position)]);
    if (std::string_view(name).starts_with(text)) return position;
  }
  return store.count;
}

int orderPosition(const HorseStore& store, int horse) {
  const auto end = store.order.begin() + store.count;
  const auto at = std::find(store.order.begin(), end, horse);
  return at == end ? -1 : static_cast<int>(at - store.order.begin());
}

}  // namespace korvane
