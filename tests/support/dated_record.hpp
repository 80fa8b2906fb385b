#pragma once
// A horse's 41 record lines with one present turf run per meeting month: the run dates are what
// the add-load and the move of old horses decide by.

#include <string>
#include <vector>

#include "core/database/horse_record.hpp"
#include "core/text/sjis.hpp"

namespace korvane::testing {

// One run per meeting month (YYMM), most recent first; the other runs stay empty ("無").
inline std::vector<std::string> datedRecord(const std::string& identity,
                                            const std::vector<std::string>& months) {
  std::vector<std::string> lines = placeholderRecord(identity);
  for (int r = 1; r <= static_cast<int>(months.size()); ++r) {
    lines[runLine(r, RunField::Surface) - 1] = sj("芝");
    lines[runLine(r, RunField::Distance) - 1] = "1600";
    lines[runLine(r, RunField::CourseDate) - 1] = sj("東") + months[r - 1];
    lines[runLine(r, RunField::Time) - 1] = "1331";
    lines[runLine(r, RunField::Corners) - 1] = " 3 3 2";
    lines[runLine(r, RunField::Last3F) - 1] = "345";
    lines[runLine(r, RunField::Going) - 1] = sj("良");
    lines[runLine(r, RunField::Finish) - 1] = "2";
  }
  return lines;
}

}  // namespace korvane::testing
