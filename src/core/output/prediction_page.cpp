#include "output/prediction_page.hpp"

#include <cstddef>
#include <utility>

#include "app/app_state.hpp"
#include "text/sjis.hpp"
#include "views/race_label.hpp"

namespace korvane {

namespace {

// Item `row` of a column, or nothing when the column is shorter than the table (a page is
// still written for a half-filled screen).
const std::string& item(const std::vector<std::string>& column, std::size_t row) {
  static const std::string none;
  return row < column.size() ? column[row] : none;
}

// Bytes `from` (1-based) .. from + count - 1 of a column item, as the CSV page cuts its fields
// out of the strings on screen.
std::string bytes(const std::string& text, std::size_t from, std::size_t count) {
  if (from - 1 >= text.size()) return {};
  return text.substr(from - 1, count);
}

std::string umabanOf(const PredictionColumns& columns, std::size_t row) {
  return row < columns.umaban.size() ? columns.umaban[row] : slotNumber(static_cast<int>(row) + 1);
}

// The three lines under the table: reliability of the top mark, development, marking rules.
void appendSummary(const PredictionColumns& columns, const PageFrame& frame,
                   std::vector<std::string>& body) {
  static const std::string ellipsis = sj("…");
  body.emplace_back();
  body.push_back(frame.reliabilityCaption + ellipsis + bytes(columns.reliability, 2, 4));
  body.push_back(sj("展開予想") + ellipsis + columns.development);
  body.push_back(sj("カスタマイズ") + ellipsis + frame.customFileLabel);
}

}  // namespace

PageFrame predictionPageFrame(const AppState& app) {
  return PageFrame{raceLabel(app.card), app.fileLabel(), app.settings.symbols[0] + sj("の信頼度"),
                   sj("コルバン指数による印付け")};
}

std::vector<std::string> framedPage(const PageFrame& frame, std::vector<std::string> body) {
  std::vector<std::string> page;
  page.reserve(body.size() + 4);
  page.push_back(frame.fileLabel == sj("全競走馬") ? frame.raceLabel
                                                   : frame.raceLabel + sj("　") + frame.fileLabel);
  page.emplace_back();
  for (auto& line : body) page.push_back(std::move(line));
  page.emplace_back();
  page.push_back("KORVANE DATA 1997-2009");
  return page;
}

std::vector<std::string> predictionTextPage(const PredictionColumns& c, const PageFrame& frame) {
  std::vector<std::string> body;
  body.push_back(
      sj("番 馬名　　　　　　　 印  脚質  能力   底力   負Ｐ ベスト  前走  全距離 近走"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    // The name is 18 bytes wide and the mark item begins with a blank, so nothing goes between.
    body.push_back(umabanOf(c, row) + " " + item(c.name, row) + item(c.mark, row) + " " +
                   item(c.style, row) + " " + item(c.ability, row) + " " + item(c.power, row) +
                   " " + item(c.loseP, row) + " " + item(c.best, row) + " " + item(c.lastRun, row) +
                   " " + item(c.allDistance, row) + " " + item(c.form, row));
  }
  appendSummary(c, frame, body);
  return framedPage(frame, std::move(body));
}

std::vector<std::string> predictionCsvPage(const PredictionColumns& c, const PageFrame& frame) {
  std::vector<std::string> body;
  body.push_back(sj("番,馬名,印,脚質,能力,底力,負Ｐ,ベスト,前走,全距離,近走"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    std::string loseP = bytes(item(c.loseP, row), 2, 3);
    // A spreadsheet reads "?.?" (no data) as text; the column stays numeric with 0.
    if (loseP == "?.?") loseP = "  0";
    body.push_back(umabanOf(c, row) + "," + item(c.name, row) + "," +
                   bytes(item(c.mark, row), 2, 2) + "," + bytes(item(c.style, row), 2, 2) + "," +
                   bytes(item(c.ability, row), 2, 4) + "," + bytes(item(c.power, row), 2, 4) + "," +
                   loseP + "," + bytes(item(c.best, row), 2, 4) + "," +
                   bytes(item(c.lastRun, row), 2, 4) + "," + bytes(item(c.allDistance, row), 2, 4) +
                   "," + bytes(item(c.form, row), 2, 2));
  }
  appendSummary(c, frame, body);
  return framedPage(frame, std::move(body));
}

}  // namespace korvane
