#include "core/output/judgement_page.hpp"

#include <utility>

#include "core/text/sjis.hpp"

namespace korvane {

namespace {

std::string withoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

}  // namespace

std::vector<std::string> judgementTextPage(const BetLists& bets, const PageFrame& frame) {
  static const std::string rule(14, '-');
  std::vector<std::string> body;
  body.push_back(sj("総合判定結果"));
  body.emplace_back();
  for (const auto& item : bets.sougou) body.push_back(item);
  body.emplace_back();
  body.push_back(sj("＜") + bets.kaimeLbl + sj("＞"));
  // Every bet in one form: pair, two blanks, odds and 倍. The upper list's items lose their
  // trailing blank; the lower list's lose the indent and the wider gap. Odds of five figures
  // and more keep their 倍 whole rather than being cut through.
  for (const auto& item : bets.kaime1) body.push_back(withoutTrailingBlanks(item));
  if (!bets.kaime2.empty()) {
    body.push_back(rule);
    for (const auto& item : bets.kaime2) {
      if (item.size() < 8) {
        body.push_back(withoutTrailingBlanks(item));
        continue;
      }
      body.push_back(item.substr(1, 5) + withoutTrailingBlanks(item.substr(8)));
    }
  }
  body.push_back(rule);
  if (!bets.kaime3.empty()) body.push_back(bets.kaime3.front());
  if (!bets.tanshou.empty()) {
    body.emplace_back();
    body.push_back(sj("＜単勝＞"));
    for (const auto& item : bets.tanshou) body.push_back(item);
  }
  if (!bets.fukushou.empty()) {
    body.emplace_back();
    body.push_back(sj("＜複勝＞"));
    body.push_back(bets.fukushou.front());
  }
  if (!bets.wide.empty()) {
    body.emplace_back();
    body.push_back(sj("＜ワイド＞"));
    for (const auto& item : bets.wide) body.push_back(item);
  }
  return framedPage(frame, std::move(body));
}

std::vector<std::string> csvRefusedMessage(const std::string& pageCaption) {
  return {sj("このページ（") + pageCaption + sj("）は、"),
          sj("ＣＳＶ形式での出力に対応していません。")};
}

}  // namespace korvane
