#pragma once
// The page "予想結果表の出力": the prediction table as the output window writes it to a text or
// CSV file (and prints it), built from the strings the prediction screen shows. Lines are cp932
// without line ends; the writer adds CR LF.

#include <cstddef>
#include <string>
#include <vector>

#include "core/views/prediction_columns.hpp"

namespace korvane {

struct AppState;

// What the prediction screen shows around the table and every page repeats.
struct PageFrame {
  std::string raceLabel;           // "東京 芝1600m（良）"
  std::string fileLabel;           // "全競走馬" or the race file's name
  std::string reliabilityCaption;  // first mark symbol + "の信頼度"
  std::string customFileLabel;  // custom marking file in use, or "コルバン指数による印付け"
};

// Item `row` of a screen column, or "" when the column is shorter than the table (a page is
// still written for a half-filled screen).
const std::string& columnItem(const std::vector<std::string>& column, std::size_t row);

// Row `row` of a 番 column, or the slot number itself when the column is shorter.
std::string umabanItem(const std::vector<std::string>& umaban, std::size_t row);

// Bytes `from` (1-based) .. from + count - 1 of a screen item, as a CSV page cuts its fields out
// of the strings on screen; shorter or empty when the item ends before.
std::string itemBytes(const std::string& text, std::size_t from, std::size_t count);

// The frame of the prediction screen over the program's state (no custom file in use).
PageFrame predictionPageFrame(const AppState& app);

// Every text page: the race label (with the file label unless the all-horses set is in use),
// an empty line, the body, an empty line and the footer.
std::vector<std::string> framedPage(const PageFrame& frame, std::vector<std::string> body);

// Every CSV page: the body, which begins with its header row so that a spreadsheet reads the
// columns at once, then the empty line and the footer of the text pages.
std::vector<std::string> csvPage(std::vector<std::string> body);

std::vector<std::string> predictionTextPage(const PredictionColumns& columns,
                                            const PageFrame& frame);
std::vector<std::string> predictionCsvPage(const PredictionColumns& columns,
                                           const PageFrame& frame);

}  // namespace korvane
