#include "core/engine/race_conditions.hpp"

#include <gtest/gtest.h>

#include "core/app/app_state.hpp"
#include "core/flows/race_conditions.hpp"
#include "core/text/sjis.hpp"
#include "tests/support/scripted_dialogs.hpp"

namespace korvane {
namespace {

class RaceConditionsTest : public ::testing::Test {
 protected:
  testing::ScriptedDialogs dialogs;
  testing::FixedClock clock;
  AtomicLineWriter writer;
  AppState app{dialogs, clock, writer};
  int asked = 0;

  // 完了 with the given rows; the course question answers `inner`.
  void store(RaceConditionsChoice choice, bool inner = false) {
    storeRaceConditions(app, choice, [this, inner] {
      ++asked;
      return inner;
    });
  }

  static RaceConditionsChoice turfAt(int list, int row, int distanceRow) {
    RaceConditionsChoice c;
    c.courseList = list;
    c.courseRow = row;
    c.distanceRow = distanceRow;
    return c;
  }
};

constexpr int kTokyo = 0, kKyoto = 2, kHanshin = 3, kNakayama = 1, kNiigata = 7;
// Rows of KyoriLst.
constexpr int k1100 = 3, k1150 = 4, k1200 = 5, k1400 = 7, k1600 = 9, k1800 = 11, k2000 = 13,
              k2200 = 15;

TEST_F(RaceConditionsTest, ListsHoldTheItemsAsShown) {
  const RaceConditionItems& items = raceConditionItems();
  ASSERT_EQ(items.distances.size(), 18u);
  EXPECT_EQ(items.distances[0], "  800m");
  EXPECT_EQ(items.distances[1], "  900m");
  EXPECT_EQ(items.distances[k1100], " 1100m");
  EXPECT_EQ(items.distances[k1150], " 1150m");
  EXPECT_EQ(items.distances[k1200], " 1200m");
  EXPECT_EQ(items.distances[17], " 2400m");
  ASSERT_EQ(items.longDistances.size(), 12u);
  EXPECT_EQ(items.longDistances.front(), " 2500m");
  EXPECT_EQ(items.longDistances.back(), " 3600m");
  EXPECT_EQ(items.courses[0].size(), 10u);
  EXPECT_EQ(items.courses[1].size(), 13u);
  EXPECT_EQ(items.courses[2].size(), 13u);
  EXPECT_EQ(items.courses[0][kKyoto], sj(" 京都"));
  EXPECT_EQ(items.courses[2][12], sj(" 中津"));
  EXPECT_EQ(items.surfaces, (std::vector<std::string>{sj("　芝"), sj("ダート")}));
  EXPECT_EQ(items.goings[1], sj("□稍重"));
}

TEST_F(RaceConditionsTest, DistanceRowsStoreTheirMetres) {
  store(turfAt(0, kTokyo, k1100));
  EXPECT_EQ(app.card.distance, 1100);
  store(turfAt(0, kTokyo, k1150));
  EXPECT_EQ(app.card.distance, 1150);
  store(turfAt(0, kTokyo, k1200));
  EXPECT_EQ(app.card.distance, 1200);
  store(turfAt(0, kTokyo, 0));
  EXPECT_EQ(app.card.distance, 800);

  RaceConditionsChoice longRace = turfAt(0, kTokyo, -1);
  longRace.longDistanceRow = 11;
  store(longRace);
  EXPECT_EQ(app.card.distance, 3600);
  // Nothing selected in either distance list keeps the distance.
  store(turfAt(0, kTokyo, -1));
  EXPECT_EQ(app.card.distance, 3600);
}

TEST_F(RaceConditionsTest, KyotoTurfCourseFollowsTheDistance) {
  store(turfAt(0, kKyoto, k1200));
  EXPECT_EQ(app.card.course, sj("京都(内)"));
  store(turfAt(0, kKyoto, k1800));
  EXPECT_EQ(app.card.course, sj("京都(外)"));
  EXPECT_EQ(asked, 0);

  store(turfAt(0, kKyoto, k1600), true);
  EXPECT_EQ(app.card.course, sj("京都(内)"));
  store(turfAt(0, kKyoto, k1600), false);
  EXPECT_EQ(app.card.course, sj("京都(外)"));
  EXPECT_EQ(asked, 2);

  RaceConditionsChoice dirt = turfAt(0, kKyoto, k1600);
  dirt.surfaceRow = 1;
  store(dirt);
  EXPECT_EQ(app.card.course, sj("京都"));
  EXPECT_EQ(app.card.surface, sj("ダ"));
  EXPECT_EQ(asked, 2);
}

TEST_F(RaceConditionsTest, NiigataAndHanshinCourses) {
  store(turfAt(0, kNiigata, k2200));
  EXPECT_EQ(app.card.course, sj("新潟(内)"));
  store(turfAt(0, kNiigata, k1600));
  EXPECT_EQ(app.card.course, sj("新潟(外)"));
  store(turfAt(0, kNiigata, k1800), true);
  EXPECT_EQ(app.card.course, sj("新潟(内)"));
  EXPECT_EQ(asked, 1);

  store(turfAt(0, kHanshin, k1400));
  EXPECT_EQ(app.card.course, sj("阪神(内)"));
  store(turfAt(0, kHanshin, k1600));
  EXPECT_EQ(app.card.course, sj("阪神(外)"));
  RaceConditionsChoice longRace = turfAt(0, kHanshin, -1);
  longRace.longDistanceRow = 7;  // 3200 m
  store(longRace);
  EXPECT_EQ(app.card.course, sj("阪神(内)"));
  EXPECT_EQ(asked, 1);

  store(turfAt(0, kNakayama, k2000));
  EXPECT_EQ(app.card.course, sj("中山"));
}

TEST_F(RaceConditionsTest, ShortListNamesStoreTheWholeRacecourse) {
  RaceConditionsChoice iwamizawa = turfAt(1, 9, k1200);
  iwamizawa.surfaceRow = 1;
  store(iwamizawa);
  EXPECT_EQ(app.card.course, sj("岩見沢"));
  store(turfAt(2, 2, k1400));
  EXPECT_EQ(app.card.course, sj("名古屋"));
  store(turfAt(1, 0, k1400));
  EXPECT_EQ(app.card.course, sj("大井"));
  // No racecourse selected keeps the name.
  store(turfAt(-1, -1, k1400));
  EXPECT_EQ(app.card.course, sj("大井"));
}

TEST_F(RaceConditionsTest, StoringResetsTheDevelopmentAndMarksTheDataModified) {
  app.card.development = sj("差し追込断然");
  app.store.modified = false;
  store(turfAt(0, kTokyo, k2000));
  EXPECT_EQ(app.card.development, sj("展開不問"));
  EXPECT_TRUE(app.store.modified);

  RaceConditionsChoice heavy = turfAt(0, kTokyo, k2000);
  heavy.goingRow = 2;
  store(heavy);
  EXPECT_EQ(app.card.going, sj("重"));
  EXPECT_EQ(app.card.development, sj("逃げ先行有利"));

  // The outer course name decides it at 京都: 1800 m outer is open, 1600 m outer is not.
  store(turfAt(0, kKyoto, k1800));
  EXPECT_EQ(app.card.development, sj("展開不問"));
  EXPECT_EQ(standardDevelopmentOf(app.card), sj("展開不問"));
}

TEST_F(RaceConditionsTest, ALocalRacecourseSwitchesTheSurfaceToDirt) {
  for (int list : {1, 2}) {
    EXPECT_EQ(afterRacecourseChoice(turfAt(list, 0, k1200)).surfaceRow, 1);
  }
  EXPECT_EQ(afterRacecourseChoice(turfAt(0, kTokyo, k1200)).surfaceRow, 0);
  RaceConditionsChoice dirt = turfAt(0, kTokyo, k1200);
  dirt.surfaceRow = 1;
  EXPECT_EQ(afterRacecourseChoice(dirt), dirt);
}

TEST_F(RaceConditionsTest, OpeningSelectsTheCardsConditions) {
  TRaceCard card;
  card.course = sj("名古屋");
  card.surface = sj("ダ");
  card.going = sj("不良");
  card.distance = 1400;
  RaceConditionsChoice c = choiceForCard(card);
  EXPECT_EQ(c.courseList, 2);
  EXPECT_EQ(c.courseRow, 2);
  EXPECT_EQ(c.surfaceRow, 1);
  EXPECT_EQ(c.goingRow, 3);
  EXPECT_EQ(c.distanceRow, k1400);
  EXPECT_EQ(c.longDistanceRow, -1);

  card.course = sj("京都(外)");
  card.going = sj("?");
  card.surface = sj("芝");
  card.distance = 2500;
  c = choiceForCard(card);
  EXPECT_EQ(c.courseList, 0);
  EXPECT_EQ(c.courseRow, kKyoto);
  EXPECT_EQ(c.surfaceRow, 0);
  EXPECT_EQ(c.goingRow, 0);
  EXPECT_EQ(c.distanceRow, -1);
  EXPECT_EQ(c.longDistanceRow, 0);

  card.course = sj("岩見沢");
  EXPECT_EQ(choiceForCard(card).courseList, 1);
  EXPECT_EQ(choiceForCard(card).courseRow, 9);
  card.course.clear();
  EXPECT_EQ(choiceForCard(card).courseList, 0);
  EXPECT_EQ(choiceForCard(card).courseRow, kTokyo);
  card.course = sj("米国");
  EXPECT_EQ(choiceForCard(card).courseList, -1);
}

TEST_F(RaceConditionsTest, OpeningDistanceBoundaries) {
  TRaceCard card;
  auto rows = [&card](int distance) {
    card.distance = distance;
    const RaceConditionsChoice c = choiceForCard(card);
    return std::pair{c.distanceRow, c.longDistanceRow};
  };
  EXPECT_EQ(rows(0), std::pair(0, -1));  // a race without conditions opens on 800m
  EXPECT_EQ(rows(700), std::pair(0, -1));
  EXPECT_EQ(rows(750), std::pair(-1, -1));
  EXPECT_EQ(rows(1150), std::pair(k1150, -1));
  EXPECT_EQ(rows(1250), std::pair(-1, -1));
  EXPECT_EQ(rows(2400), std::pair(17, -1));
  EXPECT_EQ(rows(3600), std::pair(-1, 11));
  EXPECT_EQ(rows(3700), std::pair(-1, -1));
}

TEST_F(RaceConditionsTest, ReopeningAndStoringKeepsTheConditions) {
  app.card.course = sj("阪神(外)");
  app.card.surface = sj("芝");
  app.card.distance = 1800;
  app.card.going = sj("稍重");
  const TRaceCard before = app.card;
  store(choiceForCard(app.card));
  EXPECT_EQ(app.card.course, before.course);
  EXPECT_EQ(app.card.surface, before.surface);
  EXPECT_EQ(app.card.distance, before.distance);
  EXPECT_EQ(app.card.going, before.going);
}

}  // namespace
}  // namespace korvane
