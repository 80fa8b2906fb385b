#include "core/database/horse_store.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/race_card.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/store_lines.hpp"

namespace korvane {
namespace {

// A record whose every line says which horse it belongs to, so a block that lands in the wrong
// place is seen at once. Runs stay empty ("無") so that the tag lines are never read as data.
std::vector<std::string> taggedRecord(const std::string& name, int tag) {
  std::vector<std::string> record = placeholderRecord(identityLine(name, 4, sj("牡")));
  for (int r = 1; r <= 5; ++r) record[runLine(r, RunField::Time) - 1] = "t" + std::to_string(tag);
  return record;
}

std::string tagOf(const HorseStore& store, int n) {
  return std::string(store.line(n, runLine(3, RunField::Time)));
}

// Names in an order unlike their index order: カ, ア, サ, ...
std::string nameFor(int i) {
  static const std::string kana = sj("アイウエオカキクケコサシスセソタチツテトナニヌネノ");
  const int j = (i * 37) % 625;
  return kana.substr(2 * (j / 25), 2) + kana.substr(2 * (j % 25), 2) +
         padLeft(std::to_string(i), 5);
}

HorseStore storeOf(int horses) {
  HorseStore store;
  for (int i = 1; i <= horses; ++i) appendHorse(store, taggedRecord(nameFor(i), i));
  store.modified = false;
  return store;
}

// The same store built without the list search of appendHorse, for the large sets.
HorseStore bulkStoreOf(int horses) {
  HorseStore store;
  for (int i = 1; i <= horses; ++i) {
    appendBlock(store, taggedRecord(nameFor(i), i));
  }
  sortOrderByName(store);
  return store;
}

std::vector<std::string> namesInOrder(const HorseStore& store) {
  std::vector<std::string> names;
  for (int n : store.order) names.push_back(horseName(store, n));
  return names;
}

TEST(StoreEdit, AppendKeepsTheListInNameOrder) {
  HorseStore store;
  EXPECT_EQ(appendHorse(store, taggedRecord(sj("サクラ"), 1)), 1);
  EXPECT_EQ(appendHorse(store, taggedRecord(sj("アイネス"), 2)), 2);
  EXPECT_EQ(appendHorse(store, taggedRecord(sj("タマモ"), 3)), 3);
  EXPECT_EQ(appendHorse(store, taggedRecord(sj("カツラギ"), 4)), 4);
  EXPECT_EQ(store.order, (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(store.headerLine(61), "4");
  EXPECT_TRUE(store.modified);
  EXPECT_EQ(horseStyle(store, 4), sj("好"));
  EXPECT_EQ(store.pageLines(0).size(), 61u + 4u * 42u);

  // A second call for the same horse does not list it twice.
  insertIntoOrder(store, 4);
  EXPECT_EQ(store.order, (std::vector<int>{2, 4, 1, 3}));

  // A record of any length still gives a 42-line block.
  EXPECT_EQ(appendHorse(store, std::vector<std::string>{identityLine("Z", 2, sj("牝"))}), 5);
  EXPECT_EQ(store.block(5).size(), 42u);
  EXPECT_EQ(runSurface(store, 5, 5), sj("無"));
  EXPECT_EQ(horseStyle(store, 5), sj("好"));
}

// An order file of an older version may list the horses out of name order: a new horse then
// goes before the first greater name in the list, as it always did, while a sorted list finds
// the same place as the scan by halving.
TEST(StoreEdit, NewHorseInAnUnsortedOrderGoesBeforeTheFirstGreaterName) {
  auto storeOf = [](const std::vector<int>& order) {
    HorseStore store;
    const std::vector<std::string> names{"B", "D", "F", "H", "J", "L"};
    for (std::size_t i = 0; i < names.size(); ++i) {
      appendBlock(store, taggedRecord(names[i], static_cast<int>(i) + 1));
    }
    store.order = order;  // as read from an order file
    return store;
  };
  HorseStore unsorted = storeOf({1, 6, 2, 3, 4, 5});  // B L D F H J
  EXPECT_EQ(appendHorse(unsorted, taggedRecord("G", 7)), 7);
  EXPECT_EQ(unsorted.order, (std::vector<int>{1, 7, 6, 2, 3, 4, 5}));  // before L, not H
  EXPECT_EQ(appendHorse(unsorted, taggedRecord("A", 8)), 8);
  EXPECT_EQ(unsorted.order, (std::vector<int>{8, 1, 7, 6, 2, 3, 4, 5}));

  HorseStore sorted = storeOf({1, 2, 3, 4, 5, 6});  // B D F H J L
  appendHorse(sorted, taggedRecord("E", 7));
  appendHorse(sorted, taggedRecord("A", 8));
  appendHorse(sorted, taggedRecord("M", 9));
  appendHorse(sorted, taggedRecord("F", 10));  // after the F already listed
  EXPECT_EQ(sorted.order, (std::vector<int>{8, 1, 2, 7, 3, 10, 4, 5, 6, 9}));
}

TEST(StoreEdit, AppendedNamesLandWhereAFullSortPutsThem) {
  // Spaces, leading spaces and names that begin other names are where the forms differ.
  const std::vector<std::string> names{"ABCD",          "A B",        sj("アイ"),     "ABC",
                                       "A  B",          sj("ア　イ"), " " + sj("ア"), sj("ア"),
                                       "  " + sj("ア"), "ABC",        "AB C",         "A"};
  HorseStore store;
  for (std::size_t i = 0; i < names.size(); ++i) {
    appendHorse(store, taggedRecord(names[i], static_cast<int>(i) + 1));
  }
  const std::vector<int> appended = store.order;
  sortOrderByName(store);
  EXPECT_EQ(appended, store.order);
  std::vector<std::string> shown = namesInOrder(store);
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
}

TEST(StoreEdit, ReplaceKeepsCountAndOrderAndRestyles) {
  HorseStore store = storeOf(3);
  const std::vector<int> order = store.order;
  std::vector<std::string> record = taggedRecord(sj("ニュー"), 99);
  record[runLine(1, RunField::Surface) - 1] = sj("芝");
  record[runLine(1, RunField::Corners) - 1] = " 1 1 1";
  replaceHorse(store, 2, record);
  EXPECT_EQ(store.count, 3);
  EXPECT_EQ(store.order, order);
  EXPECT_EQ(horseStyle(store, 2), sj("逃"));
  EXPECT_EQ(tagOf(store, 2), "t99");
  EXPECT_EQ(tagOf(store, 3), "t3");
  EXPECT_TRUE(store.modified);
}

// A line once read stays readable whatever changes afterwards, and a copy of the store changes
// apart from the original even though the two share the text they were read from.
TEST(StoreEdit, LinesStayValidAndCopiesChangeApart) {
  HorseStore store;
  for (int i = 1; i <= 3; ++i) appendHorse(store, taggedRecord(nameFor(i), i));
  const std::string_view name = store.line(2, 1);
  const std::string nameBefore(name);
  const std::string_view time = store.line(2, runLine(3, RunField::Time));

  HorseStore copy = store;
  store.setLine(2, 1, identityLine(sj("カワリ"), 5, sj("牝")));
  store.setLine(2, runLine(3, RunField::Time), "t9");
  TRaceCard card;
  deleteHorse(store, card, 1);  // horse 2 is horse 1 now
  EXPECT_EQ(name, nameBefore);
  EXPECT_EQ(time, "t2");
  EXPECT_EQ(copy.line(2, 1), nameBefore);
  EXPECT_EQ(tagOf(copy, 2), "t2");
  EXPECT_EQ(tagOf(store, 1), "t9");
  EXPECT_EQ(horseName(store, 1).substr(0, 6), sj("カワリ"));
  // The block is whole after a change of one line: its other lines and its style are kept.
  EXPECT_EQ(store.line(1, runLine(3, RunField::Surface)), sj("無"));
  EXPECT_EQ(store.line(1, kStyleLine), copy.line(2, kStyleLine));
  EXPECT_EQ(store.line(2, 1), copy.line(3, 1));
}

// The runners' lines, split once for the predictions, follow every change of the horse.
TEST(StoreEdit, TheRunnersLinesFollowAChangedHorse) {
  HorseStore store;
  for (int i = 1; i <= 2; ++i) appendHorse(store, taggedRecord(nameFor(i), i));
  const int time = runLine(3, RunField::Time);
  const std::span<const std::string_view> before = store.runnerBlock(2);
  EXPECT_EQ(before[time - 1], "t2");
  store.setLine(2, time, "t7");
  EXPECT_EQ(store.runnerBlock(2)[time - 1], "t7");
  EXPECT_EQ(before[time - 1], "t2");  // what was read before stays as it was read
  replaceHorse(store, 1, taggedRecord(nameFor(1), 5));
  EXPECT_EQ(store.runnerBlock(1)[time - 1], "t5");
  TRaceCard card;
  deleteHorse(store, card, 1);
  EXPECT_EQ(store.runnerBlock(1)[time - 1], "t7");
}

TEST(StoreEdit, TheTwelveThousandthHorseIsTheLast) {
  HorseStore store = bulkStoreOf(kMaxHorses - 1);
  EXPECT_EQ(appendHorse(store, taggedRecord(nameFor(kMaxHorses), kMaxHorses)), kMaxHorses);
  EXPECT_EQ(store.headerLine(61), "12000");
  EXPECT_EQ(store.pageLines(15).size(), 42u * 750u);
  EXPECT_EQ(appendHorse(store, taggedRecord("X", 0)), 0);
  EXPECT_EQ(store.count, kMaxHorses);
  EXPECT_EQ(store.pageLines(15).size(), 42u * 750u);
  EXPECT_EQ(tagOf(store, 12000), "t12000");
  EXPECT_EQ(tagOf(store, 751), "t751");
  std::vector<int> sorted = store.order;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> all(kMaxHorses);
  std::iota(all.begin(), all.end(), 1);
  EXPECT_EQ(sorted, all);
  std::vector<std::string> names = namesInOrder(store);
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST(StoreEdit, DeletingHorseTenOfEightHundredPullsHorse751BackToPageZero) {
  HorseStore store = storeOf(800);
  TRaceCard card;
  deleteHorse(store, card, 10);
  EXPECT_EQ(store.count, 799);
  EXPECT_EQ(store.headerLine(61), "799");
  EXPECT_EQ(store.pageLines(0).size(), 61u + 42u * 750u);
  EXPECT_EQ(store.pageLines(1).size(), 42u * 49u);
  EXPECT_EQ(tagOf(store, 750), "t751");  // the end of page 0
  EXPECT_EQ(tagOf(store, 799), "t800");
  EXPECT_EQ(tagOf(store, 9), "t9");
  EXPECT_EQ(tagOf(store, 10), "t11");
  EXPECT_TRUE(store.modified);
}

TEST(StoreEdit, DeletingAcrossPagesKeepsEveryOtherBlockOrderAndRunner) {
  HorseStore store = storeOf(2300);  // four pages, the last with 50 horses
  const std::vector<std::string> namesBefore = namesInOrder(store);
  TRaceCard card;
  for (int horse : {5, 760, 1600, 2300, 12}) addRunner(card, horse);
  card.winOdds = {0, 2.5, 3.5, 4.5, 5.5, 6.5};
  card.disregard[2][1] = true;
  recomputeOdds(card);

  // The horse after the deleted one in the list becomes the current horse.
  const auto where = std::find(store.order.begin(), store.order.end(), 760) - store.order.begin();
  ASSERT_LT(where + 1, static_cast<std::ptrdiff_t>(store.order.size()));
  const int follower = store.order[where + 1];
  const int current = deleteHorse(store, card, 760);
  EXPECT_EQ(current, follower > 760 ? follower - 1 : follower);

  ASSERT_EQ(store.count, 2299);
  for (int n = 1; n <= 2299; ++n) {
    const int old = n < 760 ? n : n + 1;
    ASSERT_EQ(tagOf(store, n), "t" + std::to_string(old)) << n;
    ASSERT_EQ(store.block(n).size(), 42u);
  }
  EXPECT_EQ(store.pageLines(3).size(), 42u * 49u);

  // The deleted horse's slot is scratched; the others follow their horses.
  EXPECT_EQ(card.runnerCount, 5);
  EXPECT_EQ(card.runner[1], 5);
  EXPECT_EQ(card.runner[2], 0);
  EXPECT_EQ(card.winOdds[2], 9999.0);
  EXPECT_FALSE(card.disregard[2][1]);
  EXPECT_EQ(card.runner[3], 1599);
  EXPECT_EQ(card.runner[4], 2299);
  EXPECT_EQ(card.runner[5], 12);
  EXPECT_EQ(tagOf(store, card.runner[3]), "t1600");

  // The list lost only the deleted horse and is still a permutation of 1..count.
  std::vector<std::string> expected = namesBefore;
  expected.erase(expected.begin() + where);
  EXPECT_EQ(namesInOrder(store), expected);
  EXPECT_EQ(std::count(store.order.begin(), store.order.end(), 2300), 0);
}

TEST(StoreEdit, DeletingManyInOnePassEqualsDeletingThemOneByOne) {
  HorseStore many = bulkStoreOf(2300);
  TRaceCard manyCard;
  for (int horse : {3, 760, 1500, 751, 2300, 1}) addRunner(manyCard, horse);
  manyCard.winOdds = {0, 2.5, 3.5, 4.5, 5.5, 6.5, 7.5};
  HorseStore single = many;
  TRaceCard singleCard = manyCard;

  // Every seventh horse, across every page boundary, and the last horse.
  std::vector<int> gone;
  for (int n = 1; n <= 2300; n += 7) gone.push_back(n);
  gone.push_back(751);
  gone.push_back(2300);
  std::sort(gone.begin(), gone.end());
  deleteHorses(many, manyCard, gone);
  for (auto it = gone.rbegin(); it != gone.rend(); ++it) deleteHorse(single, singleCard, *it);

  EXPECT_EQ(many.count, 2300 - static_cast<int>(gone.size()));
  EXPECT_EQ(storeLines(many), storeLines(single));
  EXPECT_EQ(many.order, single.order);
  EXPECT_EQ(many.headerLine(61), std::to_string(many.count));
  EXPECT_EQ(manyCard.runner, singleCard.runner);
  EXPECT_EQ(manyCard.winOdds, singleCard.winOdds);
  // Horse 3 is horse 2 now; 760 had 109 removed horses before it.
  EXPECT_EQ(manyCard.runner[1], 2);
  EXPECT_EQ(tagOf(many, manyCard.runner[2]), "t760");
  EXPECT_EQ(manyCard.runner[6], 0);
  EXPECT_EQ(manyCard.winOdds[6], 9999.0);
}

TEST(StoreEdit, DeletingTheLastListedHorseLeavesNoCurrentHorse) {
  HorseStore store = storeOf(3);
  TRaceCard card;
  const int last = store.order.back();
  EXPECT_EQ(deleteHorse(store, card, last), 0);
  EXPECT_EQ(store.order.size(), 2u);
  EXPECT_EQ(deleteHorse(store, card, 7), 0);  // no such horse: nothing happens
  EXPECT_EQ(store.count, 2);
}

}  // namespace
}  // namespace korvane
