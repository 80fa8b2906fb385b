#include "core/entry/horse_identity.hpp"

#include <algorithm>
#include <array>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

constexpr std::size_t kNameBytes = 18;

std::string sexOf(int index) {
  const std::vector<std::string>& items = sexItems();
  return items[static_cast<std::size_t>(std::clamp(index, 0, 2))];
}

int ageOf(int index) {
  return std::clamp(index, 0, kAgeItems - 1) + kYoungestAge;
}

}  // namespace

const std::vector<std::string>& sexItems() {
  static const std::vector<std::string> items{sj("牡"), sj("牝"), sj("ｾﾝ")};
  return items;
}

const std::vector<std::string>& ageItems() {
  static const std::vector<std::string> items = [] {
    std::vector<std::string> list;
    for (int age = kYoungestAge; age < kYoungestAge + kAgeItems; ++age) {
      list.push_back((age <= 9 ? fullWidthDigit(age) : std::to_string(age)) + sj("歳"));
    }
    return list;
  }();
  return items;
}

std::optional<std::string> nameFromWindow(std::string_view typed) {
  std::string name = fitBytes(typed, kNameBytes);
  // A name of full-width blanks would be registered as a nameless horse just the same.
  const std::string stored = storedName(name);
  if (stored.find_first_not_of(' ') == std::string::npos) return std::nullopt;
  return name;
}

NameChoice newHorseChoice() {
  return NameChoice{};
}

NameChoice renameChoice(const HorseStore& store, int n) {
  NameChoice choice;
  choice.name = horseName(store, n);
  const std::vector<std::string>& sexes = sexItems();
  const auto found = std::find(sexes.begin(), sexes.end(), horseSex(store, n));
  choice.sexIndex = found == sexes.end() ? 0 : static_cast<int>(found - sexes.begin());
  choice.ageIndex = std::clamp(horseAge(store, n) - kYoungestAge, 0, kAgeItems - 1);
  return choice;
}

Registration registerHorse(HorseStore& store, const NameChoice& choice, int& added) {
  added = 0;
  if (store.count >= kMaxHorses) return Registration::StoreFull;
  const std::string identity =
      identityLine(choice.name, ageOf(choice.ageIndex), sexOf(choice.sexIndex));
  const std::string_view name = std::string_view(identity).substr(0, kNameBytes);
  for (int n = 1; n <= store.count; ++n) {
    const std::string_view line1 = store.line(n, 1);
    if (storedName(line1.substr(0, std::min(line1.size(), kNameBytes))) == name) {
      return Registration::SameName;
    }
  }
  added = appendHorse(store, placeholderRecord(identity));
  return Registration::Added;
}

void renameHorse(HorseStore& store, int n, const NameChoice& choice) {
  if (n < 1 || n > store.count) return;
  const std::string age = " " + std::to_string(ageOf(choice.ageIndex));
  store.setLine(
      n, 1,
      fitBytes(choice.name, kNameBytes) + age.substr(age.size() - 2) + sexOf(choice.sexIndex));
  insertIntoOrder(store, n);
  store.modified = true;
}

std::string nameLabel(const HorseStore& store, int n) {
  return horseName(store, n) + " " + horseSex(store, n) + std::to_string(horseAge(store, n));
}

std::string styleInWords(std::string_view style) {
  static const std::array<std::pair<std::string, std::string>, 5> words{
      std::pair{sj("逃"), sj("逃げ")}, std::pair{sj("先"), sj("先行")},
      std::pair{sj("好"), sj("好差")}, std::pair{sj("差"), sj("差し")},
      std::pair{sj("追"), sj("追込")}};
  for (const auto& [mark, word] : words) {
    if (mark == style) return word;
  }
  return std::string(style);
}

}  // namespace korvane
