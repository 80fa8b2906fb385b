#include "core/entry/horse_identity.hpp"

#include <gtest/gtest.h>

#include "core/database/horse_fields.hpp"
#include "core/database/store_edit.hpp"
#include "tests/core/engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::addHorse;

NameChoice choice(const std::string& name, int sex = 0, int age = 1) {
  return NameChoice{sj(name), sex, age};
}

std::vector<std::string> orderedNames(const HorseStore& store) {
  std::vector<std::string> names;
  for (int n : store.order) names.push_back(horseName(store, n));
  return names;
}

TEST(HorseIdentity, ANewHorseIsStoredWithHalfWidthBlanksAndPlacedByName) {
  HorseStore store;
  addHorse(store, "サクラ", {});
  addHorse(store, "ミホノ", {});
  int n = 0;
  ASSERT_EQ(registerHorse(store, choice("ナリタ　ブライアン", 2, 1), n), Registration::Added);
  EXPECT_EQ(store.line(n, 1), sj("ナリタ  ブライアン") + " 3" + sj("ｾﾝ"));
  EXPECT_EQ(store.order, (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(horseStyle(store, n), sj("好"));
  EXPECT_TRUE(store.modified);
}

TEST(HorseIdentity, RegistrationRefusesTheSameStoredNameAndAFullStore) {
  HorseStore store;
  addHorse(store, "ナリタ　ブライアン", {});
  int n = 0;
  // Two half-width blanks and one full-width blank are the same stored name.
  EXPECT_EQ(registerHorse(store, NameChoice{sj("ナリタ") + "  " + sj("ブライアン"), 0, 0}, n),
            Registration::SameName);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(store.count, 1);

  // A renamed horse keeps full-width blanks in its line; it is still the same name.
  renameHorse(store, 1, renameChoice(store, 1));
  EXPECT_EQ(registerHorse(store, choice("ナリタ　ブライアン"), n), Registration::SameName);

  store.count = kMaxHorses;
  EXPECT_EQ(registerHorse(store, choice("ビワハヤヒデ"), n), Registration::StoreFull);
}

TEST(HorseIdentity, ARenameWithoutEditsStoresTheDisplayFormAndKeepsTheOrder) {
  HorseStore store;
  addHorse(store, "アイ", {});
  const int n = addHorse(store, "カキ", {});
  addHorse(store, "サシ", {});
  store.modified = false;
  const std::vector<int> order = store.order;
  renameHorse(store, n, renameChoice(store, n));
  // "カキ" and seven "　": the blanks that fill the name are full-width now.
  EXPECT_EQ(store.line(n, 1).substr(0, 18), fitBytesZen(sj("カキ"), 18));
  EXPECT_EQ(store.line(n, 1).substr(18), " 4" + sj("牡"));
  EXPECT_EQ(store.order, order);
  EXPECT_TRUE(store.modified);
}

TEST(HorseIdentity, ARenameMovesTheHorseToItsNewPlaceInTheOrder) {
  HorseStore store;
  const int a = addHorse(store, "アイ", {});
  addHorse(store, "カキ", {});
  addHorse(store, "サシ", {});
  NameChoice renamed = choice("ソタ", 1, 13);
  renamed.name = *nameFromWindow(renamed.name);
  renameHorse(store, a, renamed);
  EXPECT_EQ(orderedNames(store).back(), horseName(store, a));
  EXPECT_EQ(nameLabel(store, a), fitBytesZen(sj("ソタ"), 18) + " " + sj("牝") + "15");
  renameHorse(store, a, choice("カア"));
  EXPECT_EQ(store.order.front(), a);
}

TEST(HorseIdentity, TheNameWindowChoicesAndItsName) {
  HorseStore store;
  const int n = addHorse(store, "サクラ", {});
  store.setLine(n, 1, fitBytes(sj("サクラ"), 18) + "25" + "??");
  const NameChoice c = renameChoice(store, n);
  EXPECT_EQ(c.name, horseName(store, n));
  EXPECT_EQ(c.sexIndex, 0);   // a sex none of the three opens as 牡
  EXPECT_EQ(c.ageIndex, 13);  // 25 is held at 15歳
  EXPECT_EQ(ageItems().front(), sj("２歳"));
  EXPECT_EQ(ageItems().back(), sj("15歳"));

  EXPECT_FALSE(nameFromWindow("      "));
  EXPECT_FALSE(nameFromWindow(sj("　　")));
  EXPECT_EQ(*nameFromWindow(sj("アイ")), sj("アイ") + std::string(14, ' '));
  // Cut to 18 bytes without splitting the tenth character.
  EXPECT_EQ(*nameFromWindow("x" + sj("アイウエオカキクケコ")), "x" + sj("アイウエオカキク") + " ");
}

TEST(HorseIdentity, TheRunningStyleInWords) {
  EXPECT_EQ(styleInWords(sj("逃")), sj("逃げ"));
  EXPECT_EQ(styleInWords(sj("追")), sj("追込"));
  EXPECT_EQ(styleInWords(sj("好")), sj("好差"));
  EXPECT_EQ(styleInWords(sj("？")), sj("？"));
}

}  // namespace
}  // namespace korvane
