#pragma once
// The page "予想結果詳細の出力": the detail screen's table as the output window writes it to a
// text file (and prints it) in the frame of every text page, or to a CSV file. Lines are cp932
// without line ends; the writer adds CR LF.

#include <string>
#include <vector>

#include "core/output/prediction_page.hpp"
#include "core/views/detail_columns.hpp"

namespace korvane {

std::vector<std::string> detailTextPage(const DetailColumns& columns, const PageFrame& frame);
std::vector<std::string> detailCsvPage(const DetailColumns& columns);

}  // namespace korvane
