#include "core/output/detail_page.hpp"

#include <cstddef>
#include <utility>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// A run without a score of its own counts as the neutral 50.0 in a spreadsheet.
std::string csvEvaluation(const std::string& cell) {
  static const std::string noRun = sj("なし"), otherDistance = sj("他距"), caution = sj("注意");
  std::string value = itemBytes(cell, 2, 4);
  if (value == noRun || value == otherDistance || value == caution) return "50.0";
  return value;
}

// 穴馬度 as a number: " 0" for an unmarked runner and for the オッズ未入力 rows.
std::string csvLongshot(const std::string& cell) {
  const std::string value = itemBytes(cell, 2, 2);
  int number = 0;
  bool digits = !value.empty();
  for (char c : value) {
    if (c == ' ') continue;
    if (c < '0' || c > '9') {
      digits = false;
      break;
    }
    number = number * 10 + (c - '0');
  }
  return digits && number != 0 ? value : " 0";
}

}  // namespace

std::vector<std::string> detailTextPage(const DetailColumns& c, const PageFrame& frame) {
  std::vector<std::string> body;
  body.push_back(sj("番 馬名　　　　　　　 印 ５走前 ４走前 ３走前 前々走  前走  穴馬度"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    // The name is 18 bytes wide and the mark item begins with a blank, so nothing goes between.
    std::string line =
        umabanItem(c.umaban, row) + " " + columnItem(c.name, row) + columnItem(c.mark, row);
    for (int run = 5; run >= 1; --run) {
      line += columnItem(c.run[run - 1], row);
      line += run > 1 ? " " : "  ";
    }
    body.push_back(line + columnItem(c.longshot, row));
  }
  return framedPage(frame, std::move(body));
}

std::vector<std::string> detailCsvPage(const DetailColumns& c) {
  std::vector<std::string> body;
  body.push_back(sj("番,馬名,印,５走前,４走前,３走前,前々走,前走,穴馬度"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    std::string line = umabanItem(c.umaban, row) + "," + columnItem(c.name, row) + "," +
                       itemBytes(columnItem(c.mark, row), 2, 2);
    for (int run = 5; run >= 1; --run) line += "," + csvEvaluation(columnItem(c.run[run - 1], row));
    body.push_back(line + "," + csvLongshot(columnItem(c.longshot, row)));
  }
  return csvPage(std::move(body));
}

}  // namespace korvane
