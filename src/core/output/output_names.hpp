#pragma once
// The three pages of the output window, their captions, and what its save dialog offers: title,
// filter, extension and the proposed file on the desktop. Captions and titles are cp932; file
// names are UTF-8 paths.

#include <filesystem>
#include <string>

#include "core/app/dialogs.hpp"

namespace korvane {

struct AppState;

enum class OutputPage { PredictionTable, PredictionDetail, Judgement };
// Text and CSV are the two forms of a page; a PDF file holds the text page laid out as printed.
enum class OutputFormat { Text, Csv, Pdf };

// "予想結果表の出力", "予想結果詳細の出力", "総合判定結果の出力".
std::string pageCaption(OutputPage page);

// The file offered for a page: on the desktop, named after the race file being
// edited ("京都記念買目.txt", "京都記念予想.csv", "京都記念買目.pdf"), or "新しいファイル.txt" /
// ".csv" / ".pdf" while the all-horses set is edited.
std::filesystem::path defaultOutputFile(const AppState& app, OutputPage page, OutputFormat format);

// The save dialog of a file method, proposing defaultOutputFile and asking before overwriting.
FileDialogRequest outputSaveRequest(const AppState& app, OutputPage page, OutputFormat format);

}  // namespace korvane
