#pragma once
// The page "総合判定結果の出力": the judgement window's lists as the output window writes them to
// a text file or the printer. The page has no CSV form. Lines are cp932 without line ends.

#include <string>
#include <vector>

#include "core/betting/judgement.hpp"
#include "core/output/prediction_page.hpp"

namespace korvane {

std::vector<std::string> judgementTextPage(const BetLists& bets, const PageFrame& frame);

// The two lines that refuse the CSV form of a page: "このページ（総合判定結果の出力）は、" /
// "ＣＳＶ形式での出力に対応していません。".
std::vector<std::string> csvRefusedMessage(const std::string& pageCaption);

}  // namespace korvane
