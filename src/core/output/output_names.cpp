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
  if (app.editingAllHorses()) {
    return app.folders.desktop /
           (format == OutputFormat::Csv ? u8"新しいファイル.csv" : u8"新しいファイル.txt");
  }
  std::string name = app.editedFile.filename().string();
  if (hasRaceExtension(name)) name.resize(name.size() - 4);
  if (format == OutputFormat::Csv) {
    name += "予想.csv";
  } else {
    switch (page) {
      case OutputPage::PredictionTable:
        name += "予想.txt";
        break;
      case OutputPage::PredictionDetail:
        name += "詳細.txt";
        break;
      case OutputPage::Judgement:
        name += "買目.txt";
        break;
    }
  }
  return app.folders.desktop / name;
}

FileDialogRequest outputSaveRequest(const AppState& app, OutputPage page, OutputFormat format) {
  FileDialogRequest request;
  if (format == OutputFormat::Csv) {
    request.title = sj("結果をＣＳＶ形式ファイルで出力（ファイル名の「.csv」は省略できます）");
    request.filter = sj("ＣＳＶ形式ファイル(*.csv)|*.csv");
    request.defaultExtension = "csv";
  } else {
    request.title = sj("結果をテキストファイルで出力（ファイル名の「.txt」は省略できます）");
    request.filter = sj("テキストファイル(*.txt)|*.txt");
    request.defaultExtension = "txt";
  }
  const std::filesystem::path file = defaultOutputFile(app, page, format);
  request.folder = file.parent_path();
  request.proposedName = file.filename();
  request.overwritePrompt = true;
  return request;
}

}  // namespace korvane
