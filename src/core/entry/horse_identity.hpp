#pragma once
// A horse's name, sex and age as the name window edits them: the window's lists, the name it
// hands back, registering a new horse and renaming a registered one. Every text is cp932.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/database/horse_store.hpp"

namespace korvane {

// The name window's choices: the name as typed, the item of `SeibetsuLst` (牡 牝 ｾﾝ) and the item
// of `BareiLst` (２歳 .. 15歳, item i = age i + 2).
struct NameChoice {
  std::string name;
  int sexIndex = 0;
  int ageIndex = 0;
};

inline constexpr int kYoungestAge = 2;
inline constexpr int kAgeItems = 14;  // ２歳 .. 15歳

const std::vector<std::string>& sexItems();  // "牡", "牝", "ｾﾝ"
const std::vector<std::string>& ageItems();  // "２歳" .. "９歳", "10歳" .. "15歳"

// 完了 of the name window: the typed name padded with half-width blanks and cut to 18 bytes, or
// nothing when no name was typed (only blanks, half- or full-width).
std::optional<std::string> nameFromWindow(std::string_view typed);

// What the name window starts with for a new horse (empty, 牡, ２歳) and for a rename (the display
// name, the stored sex, or 牡 when it is none of the three, the age).
NameChoice newHorseChoice();
NameChoice renameChoice(const HorseStore& store, int n);

// The outcome of registering a new horse.
enum class Registration { Added, StoreFull, SameName };

// Registers a horse with the placeholder runs under the window's name (a full-width blank
// stored as two half-width ones) unless the store is full or a horse of the same stored-form
// name exists. `added` receives the new horse's index.
Registration registerHorse(HorseStore& store, const NameChoice& choice, int& added);

// Rewrites line 1 of horse n from the window's choices, the name exactly as the window returns
// it, and moves the horse to its place in the display order.
void renameHorse(HorseStore& store, int n, const NameChoice& choice);

// `NameLbl`: the display name, a blank, the sex and the age ("バブルガムフェロー 牡6").
std::string nameLabel(const HorseStore& store, int n);

// `KyakuLbl`: the running style in words (逃げ 先行 好差 差し 追込); anything else as stored.
std::string styleInWords(std::string_view style);

}  // namespace korvane
