#include "core/output/prediction_page.hpp"

#include <cstddef>
#include <utility>

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"
#include "core/views/marking_label.hpp"
#include "core/views/race_label.hpp"

namespace korvane {

namespace {

// The three lines under the table: reliability of the top mark, development, marking rules.
void appendSummary(const PredictionColumns& columns, const PageFrame& frame,
                   std::vector<std::string>& body) {
  static const std::string ellipsis = sj("…");
  body.emplace_back();
  body.push_back(frame.reliabilityCaption + ellipsis + itemBytes(columns.reliability, 2, 4));
  body.push_back(sj("展開予想") + ellipsis + columns.development);
  body.push_back(sj("カスタマイズ") + ellipsis + frame.customFileLabel);
}

// The end of every page, text or CSV.
void appendFooter(std::vector<std::string>& page) {
  page.emplace_back();
  page.push_back("KORVANE DATA 1997-2009");
}

}  // namespace

const std::string& columnItem(const std::vector<std::string>& column, std::size_t row) {
  static const std::string none;
  return row < column.size() ? column[row] : none;
}

std::string umabanItem(const std::vector<std::string>& umaban, std::size_t row) {
  return row < umaban.size() ? umaban[row] : slotNumber(static_cast<int>(row) + 1);
}

std::string itemBytes(const std::string& text, std::size_t from, std::size_t count) {
  if (from - 1 >= text.size()) return {};
  return text.substr(from - 1, count);
}

PageFrame predictionPageFrame(const AppState& app) {
  return PageFrame{raceLabel(app.card), app.fileLabel(), app.settings.symbols[0] + sj("の信頼度"),
                   markingLabel(app)};
}

std::vector<std::string> framedPage(const PageFrame& frame, std::vector<std::string> body) {
  std::vector<std::string> page;
  page.reserve(body.size() + 4);
  page.push_back(frame.fileLabel == sj("全競走馬") ? frame.raceLabel
                                                   : frame.raceLabel + sj("　") + frame.fileLabel);
  page.emplace_back();
  for (auto& line : body) page.push_back(std::move(line));
  appendFooter(page);
  return page;
}

std::vector<std::string> csvPage(std::vector<std::string> body) {
  appendFooter(body);
  return body;
}

std::vector<std::string> predictionTextPage(const PredictionColumns& c, const PageFrame& frame) {
  std::vector<std::string> body;
  body.push_back(
      sj("番 馬名　　　　　　　 印  脚質  能力   底力   負Ｐ ベスト  前走  全距離 近走"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    // The name is 18 bytes wide and the mark item begins with a blank, so nothing goes between.
    body.push_back(umabanItem(c.umaban, row) + " " + columnItem(c.name, row) +
                   columnItem(c.mark, row) + " " + columnItem(c.style, row) + " " +
                   columnItem(c.ability, row) + " " + columnItem(c.power, row) + " " +
                   columnItem(c.loseP, row) + " " + columnItem(c.best, row) + " " +
                   columnItem(c.lastRun, row) + " " + columnItem(c.allDistance, row) + " " +
                   columnItem(c.form, row));
  }
  appendSummary(c, frame, body);
  return framedPage(frame, std::move(body));
}

std::vector<std::string> predictionCsvPage(const PredictionColumns& c, const PageFrame& frame) {
  std::vector<std::string> body;
  body.push_back(sj("番,馬名,印,脚質,能力,底力,負Ｐ,ベスト,前走,全距離,近走"));
  for (std::size_t row = 0; row < c.name.size(); ++row) {
    std::string loseP = itemBytes(columnItem(c.loseP, row), 2, 3);
    // A spreadsheet reads "?.?" (no data) as text; the column stays numeric with 0.
    if (loseP == "?.?") loseP = "  0";
    body.push_back(umabanItem(c.umaban, row) + "," + columnItem(c.name, row) + "," +
                   itemBytes(columnItem(c.mark, row), 2, 2) + "," +
                   itemBytes(columnItem(c.style, row), 2, 2) + "," +
                   itemBytes(columnItem(c.ability, row), 2, 4) + "," +
                   itemBytes(columnItem(c.power, row), 2, 4) + "," + loseP + "," +
                   itemBytes(columnItem(c.best, row), 2, 4) + "," +
                   itemBytes(columnItem(c.lastRun, row), 2, 4) + "," +
                   itemBytes(columnItem(c.allDistance, row), 2, 4) + "," +
                   itemBytes(columnItem(c.form, row), 2, 2));
  }
  appendSummary(c, frame, body);
  return csvPage(std::move(body));
}

}  // namespace korvane
