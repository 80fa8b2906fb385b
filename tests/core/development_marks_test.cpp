#include "views/development_marks.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/prediction_run.hpp"
#include "engine_test_horses.hpp"
#include "views/prediction_columns.hpp"

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
    runPrediction(app);
  }
};

TEST(DevelopmentMarks, TheRaceKeepsItsOwnDevelopmentAndMarks) {
  NineRunners f;
  for (const char* own : {"展開不問", "差し追込断然"}) {
    f.app.card.development = sj(own);
    remark(f.app);
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
  for (std::size_t row = 0; row < marks.style.size(); ++row) {
    const std::string& style = f.app.result.runner[row + 1].raceStyle;
    const std::string sign = style == sj("逃")   ? "*"
                             : style == sj("先") ? "+"
                             : style == sj("追") ? "-"
                                                 : " ";
    EXPECT_EQ(marks.style[row], sign + style + sign);
  }
  EXPECT_EQ(marks.style[0], sj("*逃*"));
  EXPECT_EQ(marks.style[9], sj(" ？ "));

  const std::vector<std::string> symbols{sj(" ◎"), sj(" ○"), sj(" ▲"), sj(" △"), sj(" ×")};
  for (int d = 0; d < kDevelopmentCount; ++d) {
    const auto& column = marks.marks[d];
    ASSERT_EQ(column.size(), 10u);
    // Each symbol once, in mark order, then 注 for the 6th and 7th.
    int marked = 0;
    for (const auto& symbol : symbols) {
      marked += static_cast<int>(std::count(column.begin(), column.end(), symbol));
    }
    const int chuui = static_cast<int>(std::count(column.begin(), column.end(), sj(" 注")));
    EXPECT_LE(marked, 5);
    EXPECT_EQ(chuui, marked == 5 ? chuui : 0);
    EXPECT_LE(chuui, 2);
    EXPECT_EQ(column[9], " ");  // the scratched slot
    for (int k = 1; k <= 9; ++k) {
      // Only a runner not below 50.0 on 底力 and 全距離 can read as "not judged".
      if (f.app.result.runner[k].power < 500) {
        EXPECT_NE(column[k - 1], sj(" ？"));
      }
    }
    EXPECT_EQ(marks.reliability[d].back(), '%');
  }
  // The developments favour different runners: the front-runner under 逃げ先行断然, the first
  // closer within the first five under 差し追込断然.
  EXPECT_EQ(marks.marks[0][0], sj(" ◎"));
  EXPECT_EQ(marks.marks[4][4], sj(" ◎"));
  EXPECT_EQ(developmentHeadings()[0][0], sj("逃先"));
  EXPECT_EQ(developmentHeadings()[4][1], sj("断然"));
}

}  // namespace
}  // namespace korvane
