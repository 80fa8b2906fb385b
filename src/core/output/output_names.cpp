#include "core/output/output_names.hpp"

#include "core/app/app_state.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace {

// Race files come from Windows too, where 京都記念.UMA is the same file.
bool hasRaceExtension(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return tail == ".uma";
}

}  // namespace

std::string pageCaption(OutputPage page) {
  switch (page) {
    case OutputPage::PredictionTable:
      return sj("予想結果表の出力");
    case OutputPage::PredictionDetail:
      return sj("予想結果詳細の出力");
    case OutputPage::Judgement:
      return sj("総合判定結果の出力");
  }
  return {};
}

std::filesystem::path defaultOutputFile(const AppState& app, OutputPage page, OutputFormat format) {
  const char* extension = format == OutputFormat::Csv   ? ".csv"
                          : format == OutputFormat::Pdf ? ".pdf"
                                                        : ".txt";
  if (app.editingAllHorses())
    return app.folders.desktop / (std::string("新しいファイル") + extension);
  // File names are UTF-8, as the source's literals are.
  std::string name = app.editedFile.filename().string();
  if (hasRaceExtension(name)) name.resize(name.size() - 4);
  // Every CSV file holds the prediction table's name, whichever page it came from.
  if (format == OutputFormat::Csv) {
    name += "予想";
  } else {
    switch (page) {
      case OutputPage::PredictionTable:
        name += "予想";
        break;
      case OutputPage::PredictionDetail:
        name += "詳細";
        break;
      case OutputPage::Judgement:
        name += "買目";
        break;
    }
  }
  return app.folders.desktop / (name + extension);
}

FileDialogRequest outputSaveRequest(const AppState& app, OutputPage page, OutputFormat format) {
  FileDialogRequest request;
  switch (format) {
    case OutputFormat::Text:
      request.title = sj("結果をテキストファイルで出力（ファイル名の「.txt」は省略できます）");
      request.filter = sj("テキストファイル(*.txt)|*.txt");
      request.defaultExtension = "txt";
      break;
    case OutputFormat::Csv:
      request.title = sj("結果をＣＳＶ形式ファイルで出力（ファイル名の「.csv」は省略できます）");
      request.filter = sj("ＣＳＶ形式ファイル(*.csv)|*.csv");
      request.defaultExtension = "csv";
      break;
    case OutputFormat::Pdf:
      request.title = sj("結果をＰＤＦファイルで出力（ファイル名の「.pdf」は省略できます）");
      request.filter = sj("ＰＤＦファイル(*.pdf)|*.pdf");
      request.defaultExtension = "pdf";
      break;
  }
  const std::filesystem::path file = defaultOutputFile(app, page, format);
  request.folder = file.parent_path();
  request.proposedName = file.filename();
  request.overwritePrompt = true;
  return request;
}

}  // namespace korvane
