#include "core/database/store_files.hpp"

#include <algorithm>
#include <new>
#include <numeric>
#include <optional>
#include <string_view>
#include <system_error>

#include "core/database/horse_fields.hpp"
#include "core/database/horse_record.hpp"
#include "core/database/race_files.hpp"
#include "core/database/store_edit.hpp"
#include "core/text/encoding.hpp"
#include "core/text/file_set.hpp"
#include "core/text/line_file.hpp"
#include "core/text/sjis.hpp"

namespace korvane {

namespace fs = std::filesystem;

namespace {

const fs::path& orderFileName() {
  static const fs::path name(u8"馬並び順.um0");
  return name;
}

// 全競走馬2.um0 … 全競走馬16.um0 hold pages 1 … 15.
fs::path continuationName(int page) {
  const std::string number = std::to_string(page + 1);
  return fs::path(u8"全競走馬" + std::u8string(number.begin(), number.end()) + u8".um0");
}

LoadError errorAt(const fs::path& file, int line, std::string_view reasonUtf8) {
  return LoadError{file, line, sj(reasonUtf8)};
}

LoadError shortFile(const fs::path& file, std::size_t lines, int horses) {
  return LoadError{file, static_cast<int>(lines) + 1,
                   sj("ファイルが途中で終わっています（") + std::to_string(horses) +
                       sj("頭分の競走馬データが必要です）。")};
}

int blocksOnPage(int count, int page) {
  return std::clamp(count - kHorsesPerPage * page, 0, kHorsesPerPage);
}

// The order file, when it lists every horse exactly once; otherwise nothing.
std::optional<std::vector<int>> readOrderFile(const fs::path& file, int count) {
  const auto lines = readLines(file).lines;
  if (!lines || lines->size() < static_cast<std::size_t>(count)) return std::nullopt;
  std::vector<int> order(static_cast<std::size_t>(count));
  std::vector<bool> seen(static_cast<std::size_t>(count) + 1, false);
  for (int i = 0; i < count; ++i) {
    const std::optional<int> n = parseStrict((*lines)[i]);
    if (!n || *n < 1 || *n > count || seen[*n]) return std::nullopt;
    seen[*n] = true;
    order[i] = *n;
  }
  return order;
}

const char* const kNotShiftJis = "Shift-JISの文字として読めないバイトがあります。";

std::optional<LoadError> checkShiftJis(std::span<const std::string> lines, std::size_t first,
                                       std::size_t count, const fs::path& file) {
  for (std::size_t i = first; i < first + count; ++i) {
    if (!isWellFormedCp932(lines[i])) return errorAt(file, static_cast<int>(i) + 1, kNotShiftJis);
  }
  return std::nullopt;
}

}  // namespace

// An empty run ("無") is never read past its surface line, so its other lines are not checked.
std::optional<LoadError> checkHorseBlocks(std::span<const std::string> lines, std::size_t first,
                                          int blocks, const fs::path& file) {
  static const std::string none = sj("無");
  const std::string_view notANumber = "数字ではありません。";
  for (int k = 0; k < blocks; ++k) {
    const std::size_t base = first + static_cast<std::size_t>(kBlockLines * k);
    if (auto error = checkShiftJis(lines, base, kBlockLines, file)) return error;
    const auto fileLine = [&](int L) { return static_cast<int>(base) + L; };
    for (int r = 1; r <= kRuns; ++r) {
      if (lines[base + runLine(r, RunField::Surface) - 1] == none) continue;
      const std::string_view corners = lines[base + runLine(r, RunField::Corners) - 1];
      if (!parseStrict(corners.size() >= 4 ? corners.substr(2, 2) : std::string_view())) {
        return errorAt(file, fileLine(runLine(r, RunField::Corners)), notANumber);
      }
      for (RunField f : {RunField::Last3F, RunField::Finish}) {
        if (!parseStrict(lines[base + runLine(r, f) - 1])) {
          return errorAt(file, fileLine(runLine(r, f)), notANumber);
        }
      }
    }
  }
  return std::nullopt;
}

void repairCutNames(std::span<std::string> lines, std::size_t first, int blocks) {
  for (int k = 0; k < blocks; ++k) {
    repairCutName(lines[first + static_cast<std::size_t>(kBlockLines * k)]);
  }
}

LoadError unreadableFile(const fs::path& file, const LinesRead& read) {
  return LoadError{file, 0, readFaultReason(read.fault, read.systemError)};
}

std::vector<std::string> loadErrorMessage(const LoadError& error) {
  std::vector<std::string> lines{sj("「") + shownFileName(error.file) +
                                 sj("」を読み込めませんでした。")};
  lines.push_back(error.line > 0 ? std::to_string(error.line) + sj("行目：") + error.reason
                                 : error.reason);
  lines.push_back(sj("データは読み込む前のままです。"));
  return lines;
}

namespace {

std::variant<LoadedSet, LoadError> parsePageZeroFile(const fs::path& file,
                                                     const fs::path& dataFolder) {
  LinesRead read = readLines(file);
  if (!read.lines) return unreadableFile(file, read);
  std::vector<std::string>& lines = *read.lines;
  if (lines.size() < static_cast<std::size_t>(kHeaderLines)) {
    return errorAt(file, static_cast<int>(lines.size()) + 1, "ファイルが途中で終わっています。");
  }

  const std::optional<int> announced = parseStrict(lines[kHeaderLines - 1]);
  if (!announced) return errorAt(file, kHeaderLines, "数字ではありません。");
  if (*announced > kMaxHorses) {
    return errorAt(file, kHeaderLines, "登録馬が12000頭を越えています。");
  }
  const int count = *announced;

  auto parsed = parseRaceHeader(lines, file);
  if (auto* error = std::get_if<LoadError>(&parsed)) return std::move(*error);
  LoadedSet set{HorseStore(), std::move(std::get<TRaceCard>(parsed))};
  TRaceCard& card = set.card;
  for (int k = 1; k <= card.runnerCount; ++k) {
    if (card.runner[k] > count) {
      return errorAt(file, 6 + k, "出走馬の番号に当たる競走馬がファイルにありません。");
    }
  }

  // A race file that grew past one page while it was edited carries all its horses itself;
  // otherwise the horses after the first page stand in the continuation files of the data folder.
  const std::size_t wholeSet = static_cast<std::size_t>(kHeaderLines + kBlockLines * count);
  const bool selfContained =
      count > kHorsesPerPage && file.filename() != allHorsesFileName() && lines.size() >= wholeSet;
  const int blocksHere = selfContained ? count : blocksOnPage(count, 0);
  const std::size_t needed = static_cast<std::size_t>(kHeaderLines + kBlockLines * blocksHere);
  if (lines.size() < needed) return shortFile(file, lines.size(), blocksHere);
  // Whatever follows the last block is not data; keeping it would misplace later appends.
  lines.resize(needed);
  if (auto error = checkShiftJis(lines, 0, kHeaderLines, file)) return std::move(*error);
  if (auto error = checkHorseBlocks(lines, kHeaderLines, blocksHere, file)) {
    return std::move(*error);
  }
  repairCutNames(lines, kHeaderLines, blocksHere);

  HorseStore& store = set.store;
  if (selfContained) {
    for (int p = 1; kHorsesPerPage * p < count; ++p) {
      const auto from = lines.begin() + kHeaderLines + kBlockLines * kHorsesPerPage * p;
      const auto to = from + kBlockLines * blocksOnPage(count, p);
      store.page[p].assign(std::make_move_iterator(from), std::make_move_iterator(to));
    }
    lines.resize(kHeaderLines + kBlockLines * kHorsesPerPage);
  } else {
    for (int p = 1; kHorsesPerPage * p < count; ++p) {
      const fs::path part = dataFolder / continuationName(p);
      LinesRead partRead = readLines(part);
      if (!partRead.lines) return unreadableFile(part, partRead);
      std::optional<std::vector<std::string>>& pageLines = partRead.lines;
      const int blocks = blocksOnPage(count, p);
      const std::size_t pageNeeded = static_cast<std::size_t>(kBlockLines * blocks);
      if (pageLines->size() < pageNeeded) return shortFile(part, pageLines->size(), blocks);
      pageLines->resize(pageNeeded);
      if (auto error = checkHorseBlocks(*pageLines, 0, blocks, part)) return std::move(*error);
      repairCutNames(*pageLines, 0, blocks);
      store.page[p] = std::move(*pageLines);
    }
  }
  store.page[0] = std::move(lines);
  store.count = count;
  store.order.resize(static_cast<std::size_t>(count));
  std::iota(store.order.begin(), store.order.end(), 1);
  // Every loaded horse carries the style of its current runs, whatever the file said.
  for (int n = 1; n <= count; ++n) updateStyle(store, n);
  store.modified = false;

  recomputeOdds(card);
  recomputeAnyDisregard(card);
  return set;
}

}  // namespace

std::variant<LoadedSet, LoadError> readPageZeroFile(const fs::path& file,
                                                    const fs::path& dataFolder) {
  try {
    return parsePageZeroFile(file, dataFolder);
  } catch (const std::bad_alloc&) {
    // Sixteen pages of horses may not fit beside everything else; the program goes on as it was.
    return unreadableFile(file, {std::nullopt, ReadFault::OutOfMemory});
  }
}

const fs::path& allHorsesFileName() {
  static const fs::path name(u8"全競走馬.um0");
  return name;
}

bool allHorsesFileExists(const fs::path& dataFolder) {
  std::error_code ec;
  return fs::exists(dataFolder / allHorsesFileName(), ec);
}

std::optional<LoadError> finishInterruptedSetSave(const fs::path& dataFolder, LineWriter& writer) {
  const std::vector<fs::path> stuck = finishInterruptedSave(writer, dataFolder);
  if (stuck.empty()) return std::nullopt;
  return errorAt(dataFolder / stuck.front(), 0,
                 "前回の保存が途中で止まっていて、このファイルを置き換えられません。"
                 "フォルダに書き込めるかを確かめて下さい。");
}

std::variant<LoadedSet, LoadError> readAllHorses(const fs::path& dataFolder, LineWriter& writer) {
  if (auto error = finishInterruptedSetSave(dataFolder, writer)) return std::move(*error);
  auto result = readPageZeroFile(dataFolder / allHorsesFileName(), dataFolder);
  if (auto* set = std::get_if<LoadedSet>(&result)) {
    if (auto order = readOrderFile(dataFolder / orderFileName(), set->store.count)) {
      set->store.order = std::move(*order);
    } else {
      // Without a usable order file the list is rebuilt from the names.
      sortOrderByName(set->store);
    }
  }
  return result;
}

SetSave writeStore(LineWriter& writer, const fs::path& dataFolder, const fs::path& editedFile,
                   HorseStore& store, const TRaceCard& card) {
  std::span<std::string> header(store.page[0].data(), kHeaderLines);
  writeRaceHeader(card, header);
  header[kHeaderLines - 1] = std::to_string(store.count);

  if (editedFile == allHorsesFileName()) {
    std::vector<std::string> orderLines;
    orderLines.reserve(store.order.size());
    for (int n : store.order) orderLines.push_back(std::to_string(n));

    std::vector<SetFile> files{{allHorsesFileName(), store.page[0]}};
    for (int p = 1; kHorsesPerPage * p < store.count; ++p) {
      files.push_back({continuationName(p), store.page[p]});
    }
    files.push_back({orderFileName(), orderLines});
    return saveFileSet(writer, dataFolder, files);
  }
  // A race file keeps every one of its horses in the one file, even past the first page.
  std::vector<std::string> joined;
  std::span<const std::string> lines = store.page[0];
  if (store.count > kHorsesPerPage) {
    for (int p = 0; p < kPageCount; ++p) {
      joined.insert(joined.end(), store.page[p].begin(), store.page[p].end());
    }
    lines = joined;
  }
  if (!writer.writeLines(editedFile, lines)) return SetSave{false, {editedFile}};
  return SetSave{true, {}};
}

}  // namespace korvane
