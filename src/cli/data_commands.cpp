// The commands over the all-horses set of a data folder: add-load (the main window's 追加読込 for
// scripts that keep a database up to date) and check.

#include <ostream>
#include <string>
#include <variant>

#include "cli_text.hpp"
#include "core/flows/file_dialogs.hpp"
#include "commands.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_edit.hpp"
#include "core/database/store_files.hpp"
#include "core/text/encoding.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane::cli {

namespace {

int usageError(std::ostream& err, std::string_view reason) {
  err << "korvane-cli: " << reason << "\n";
  printUsage(err);
  return kExitUsage;
}

// A file name the shell passed as "" is a slip in the script, not a file.
bool anyEmpty(const std::vector<std::string_view>& args) {
  for (std::string_view arg : args) {
    if (arg.empty()) return true;
  }
  return false;
}

std::string tallyLine(const std::filesystem::path& file, const AddLoadTally& tally) {
  std::string line = sj("「") + shownFileName(file) + sj("」：追加 ") +
                     std::to_string(tally.appended) + sj("頭、置き換え ") +
                     std::to_string(tally.replaced) + sj("頭、そのまま ") +
                     std::to_string(tally.kept) + sj("頭");
  if (tally.refused > 0) {
    line += sj("、登録馬が12000頭に達したため読み込めなかった馬 ") +
            std::to_string(tally.refused) + sj("頭");
  }
  return line;
}

}  // namespace

int addLoadCommand(const std::vector<std::string_view>& args, std::ostream& out,
                   std::ostream& err) {
  if (args.size() < 2) {
    return usageError(err, "add-load には、データフォルダと、レースファイルを１つ以上指定して下さい。");
  }
  if (anyEmpty(args)) return usageError(err, "ファイル名が空です。");

  const std::filesystem::path folder(args[0]);
  AtomicLineWriter writer;
  std::variant<LoadedSet, LoadError> loaded = readAllHorses(folder, writer);
  if (const LoadError* error = std::get_if<LoadError>(&loaded)) {
    writeMessage(err, loadErrorMessage(*error));
    return kExitData;
  }
  LoadedSet& set = std::get<LoadedSet>(loaded);
  HorseStore& store = set.store;
  if (store.count >= kMaxHorses) {
    writeMessage(err, tooManyHorsesMessage());
    return kExitData;
  }

  // Every file is reported; the set is saved only when every horse of every file found its place,
  // so a script that sees status 1 knows that nothing changed.
  bool refused = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::filesystem::path file(args[i]);
    const std::variant<AddLoadTally, LoadError> added = addLoadFile(store, file);
    if (const LoadError* error = std::get_if<LoadError>(&added)) {
      writeMessage(err, loadErrorMessage(*error));
      refused = true;
      continue;
    }
    const AddLoadTally& tally = std::get<AddLoadTally>(added);
    writeMessage(out, {tallyLine(file, tally)});
    refused = refused || tally.refused > 0;
  }
  if (refused) {
    err << "korvane-cli: 全競走馬ファイルは変更していません。\n";
    return kExitData;
  }

  const SetSave save = writeStore(writer, folder, allHorsesFileName(), store, set.card);
  if (!save.failed.empty()) {
    writeMessage(err, notSavedMessage(save));
    return kExitData;
  }
  out << "全競走馬ファイルに保存しました（" << store.count << "頭）。\n";
  out.flush();
  return 0;
}

int checkCommand(const std::vector<std::string_view>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) return usageError(err, "check には、データフォルダを１つ指定して下さい。");
  if (anyEmpty(args)) return usageError(err, "ファイル名が空です。");

  AtomicLineWriter writer;
  const std::variant<LoadedSet, LoadError> loaded =
      readAllHorses(std::filesystem::path(args[0]), writer);
  if (const LoadError* error = std::get_if<LoadError>(&loaded)) {
    writeMessage(err, loadErrorMessage(*error));
    return kExitData;
  }
  out << "全競走馬 " << std::get<LoadedSet>(loaded).store.count << "頭\n";
  out.flush();
  return 0;
}

}  // namespace korvane::cli
