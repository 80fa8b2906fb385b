#include "card_session.hpp"

#include <ostream>
#include <variant>

#include "commands.hpp"
#include "core/flows/main_window.hpp"
#include "core/custom/custom_file.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_files.hpp"
#include "core/flows/prediction.hpp"
#include "core/flows/store_files.hpp"
#include "core/text/encoding.hpp"
#include "core/text/sjis.hpp"

namespace korvane::cli {

std::optional<CardOptions> cardOptionsOrUsage(const std::vector<std::string_view>& args,
                                              std::ostream& err, const ExtraFlag& extra) {
  ParsedCard parsed = parseCardOptions(args, extra);
  if (!parsed.options) {
    err << "korvane-cli: " << parsed.error << "\n";
    printUsage(err);
  }
  return std::move(parsed.options);
}

int predictCard(const CardOptions& options, CardSession& session, std::ostream& err) {
  // The file's name heads the pages as its file label; a name Shift-JIS cannot write is refused
  // rather than printed with characters replaced.
  const bool allHorses = options.file.filename() == allHorsesFileName();
  if (!allHorses && !utf8ToCp932(options.file.filename().string()).ok) {
    err << "korvane-cli: ファイル名「" << options.file.filename().string()
        << "」に Shift-JIS で表せない文字があります。ページの見出しに書けないので、"
           "名前を変えて下さい。\n";
    return kExitUsage;
  }

  AppState& app = session.app;
  std::filesystem::path folder = options.file.parent_path();
  if (folder.empty()) folder = ".";
  app.folders.data = folder;
  app.folders.race = folder;

  if (!loadPageZeroFile(app, options.file)) {
    writeMessage(err, session.platform.dialogs.messages.back());
    return kExitData;
  }
  // The main file names the all-horses set; any other file is a race file and named as such.
  app.editedFile = allHorses ? allHorsesFileName() : options.file;
  if (!app.editingAllHorses()) sortOrderByName(app.store);

  // The header lines that say why this card cannot be predicted.
  constexpr int kDistanceLine = 2;
  constexpr int kRunnerCountLine = 6;
  if (!enoughRunnersToPredict(app)) {
    writeFileMessage(err, options.file, kRunnerCountLine, session.platform.dialogs.messages.back());
    return kExitData;
  }
  if (app.card.distance == 0) {
    writeFileMessage(err, options.file, kDistanceLine, {sj("レースコースが入力されていません。")});
    return kExitData;
  }

  if (options.development) app.card.development = *options.development;
  if (options.symbols) app.settings.symbols = *options.symbols;
  app.settings.kaime = options.kaime;
  if (options.custom) {
    // The user's own rules replace the standard marking, as 完了 of the custom window does.
    std::variant<CustomRules, LoadError> rules = readCustomFile(*options.custom);
    if (const LoadError* error = std::get_if<LoadError>(&rules)) {
      writeMessage(err, loadErrorMessage(*error));
      return kExitData;
    }
    app.custom.rules = std::get<CustomRules>(rules);
    app.custom.file = *options.custom;
    app.settings.shirushi = MarkingMode::Custom;
  }

  predictRace(app);
  return 0;
}

int emitPage(std::ostream& out, std::ostream& err, const std::vector<std::string>& page,
             Encoding encoding) {
  if (!writePage(out, page, encoding)) {
    err << "korvane-cli: 結果に Shift-JIS として読めない文字があります（ファイルの馬名が"
           "壊れていませんか）。--encoding cp932 ならそのまま書き出します。\n";
    return kExitData;
  }
  out.flush();
  if (!out) {
    err << "korvane-cli: 結果を書き出せませんでした（ディスクの空き容量を確かめて下さい）。\n";
    return kExitData;
  }
  return 0;
}

}  // namespace korvane::cli
