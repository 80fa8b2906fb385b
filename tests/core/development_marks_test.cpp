#include "core/views/development_marks.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/flows/prediction.hpp"
#include "core/views/prediction_columns.hpp"
#include "engine_test_horses.hpp"

namespace korvane {
namespace {

using testing::EngineFixture;
using testing::PastRun;

// Nine runners that met in one race at 東京 芝 1600 m and finished in slot order, from the
// front-runner to the closers; slot 10 is scratched.
struct NineRunners : EngineFixture {
  NineRunners() {
    const char* corners[] = {" 1 1 1", " 2 2 2", " 3 3 3", " 5 5 4", " 6 6 5",
                             " 8 8 7", " 9 910", "121212", "131313"};
    for (int k = 1; k <= 9; ++k) {
      runner("ウマ" + std::to_string(k), {PastRun{.time = std::to_string(1331 + k),
                                                  .corners = corners[k - 1],
                                                  .last3F = 340 + k,
                                                  .finish = k}});
    }
    runner("");
    predictRace(app);
  }
};

TEST(DevelopmentMarks, TheRaceKeepsItsOwnDevelopmentAndMarks) {
  NineRunners f;
  for (const char* own : {"展開不問", "差し追込断然"}) {
    f.app.card.development = sj(own);
    remarkRace(f.app);
    const TYosouResult before = f.app.result;
    const DevelopmentMarks marks = buildDevelopmentMarks(f.app);
    EXPECT_EQ(f.app.card.development, sj(own));
    EXPECT_TRUE(f.app.result == before);

    // The column of the race's own development is what the prediction table shows, narrower.
    const int d = static_cast<int>(
        std::find(developments().begin(), developments().end(), sj(own)) - developments().begin());
    const PredictionColumns table = buildPredictionColumns(f.app);
    ASSERT_EQ(marks.marks[d].size(), table.mark.size());
    for (std::size_t row = 0; row < table.mark.size(); ++row) {
      const std::string narrow = table.mark[row] == sj(" 　 ") ? " " : table.mark[row].substr(0, 3);
      EXPECT_EQ(marks.marks[d][row], narrow) << own << " row " << row;
    }
    EXPECT_EQ(marks.reliability[d], std::to_string(before.confidence) + "%");
  }
}

TEST(DevelopmentMarks, StyleSignsAndMarkColumns) {
  NineRunners f;
  const DevelopmentMarks marks = buildDevelopmentMarks(f.app);
  EXPECT_EQ(marks.umaban.size(), 18u);
  ASSERT_EQ(marks.style.size(), 10u);
  // The sign follows the style alone, whatever the development.
  EXPECT_EQ(marks.style[0], sj("*逃*"));
  EXPECT_EQ(marks.style[8], sj("-追-"));
  EXPECT_EQ(marks.style[9], sj(" ？ "));

  for (const auto& column : marks.marks) {
    ASSERT_EQ(column.size(), 10u);
    EXPECT_EQ(column[9], " ");  // the scratched slot
    for (int k = 1; k <= 9; ++k) {
      // Only a runner not below 50.0 on 底力 and 全距離 can read as "not judged".
      if (f.app.result.runner[k].power < 500) {
        EXPECT_NE(column[k - 1], sj(" ？"));
      }
    }
  }
  // The developments favour different runners: the front-runner under 逃げ先行断然, the 差
  // runner that finished fifth under 差し追込断然.
  EXPECT_EQ(marks.marks[0][0], sj(" ◎"));
  EXPECT_EQ(marks.marks[4][4], sj(" ◎"));
  EXPECT_EQ(developmentHeadings()[0][0], sj("逃先"));
  EXPECT_EQ(developmentHeadings()[4][1], sj("断然"));
}

}  // namespace
}  // namespace korvane
