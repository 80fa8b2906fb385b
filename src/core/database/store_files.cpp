#include "core/database/store_files.hpp"

#include <algorithm>
#include <atomic>
#include <functional>
#include <new>
#include <numeric>
#include <optional>
#include <string_view>

#include "core/database/helper_thread.hpp"
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

// The pages a set of `count` horses fills; page 0 stands even without a horse.
int pagesHolding(int count) {
  return std::max(1, (count + kHorsesPerPage - 1) / kHorsesPerPage);
}

int blocksOnPage(int count, int page) {
  return std::clamp(count - kHorsesPerPage * page, 0, kHorsesPerPage);
}

// The order file, when it lists every horse exactly once; otherwise nothing.
std::optional<std::vector<int>> readOrderFile(const fs::path& file, int count) {
  std::string text;
  if (readText(file, text).fault != ReadFault::None) return std::nullopt;
  LineCursor cursor(text);
  std::vector<int> order(static_cast<std::size_t>(count));
  std::vector<bool> seen(static_cast<std::size_t>(count) + 1, false);
  for (int i = 0; i < count; ++i) {
    std::string_view line;
    if (!cursor.next(line)) return std::nullopt;
    const std::optional<int> n = parseStrict(line);
    if (!n || *n < 1 || *n > count || seen[*n]) return std::nullopt;
    seen[*n] = true;
    order[i] = *n;
  }
  return order;
}

const char* const kNotShiftJis = "Shift-JISの文字として読めないバイトがあります。";

// The numbers of one block that are read without a fallback. An empty run ("無") is never read
// past its surface line, so its other lines are not checked.
std::optional<LoadError> checkBlockNumbers(const ReadBlock& block, std::size_t first,
                                           const fs::path& file) {
  static const std::string none = sj("無");
  const std::string_view notANumber = "数字ではありません。";
  const auto fileLine = [&](int L) { return static_cast<int>(first) + L; };
  for (int r = 1; r <= kRuns; ++r) {
    const std::string_view surface = block[runLine(r, RunField::Surface) - 1];
    if (surface.size() == 2 && surface[0] == none[0] && surface[1] == none[1]) continue;
    const std::string_view corners = block[runLine(r, RunField::Corners) - 1];
    if (!parseStrict(corners.size() >= 4 ? corners.substr(2, 2) : std::string_view())) {
      return errorAt(file, fileLine(runLine(r, RunField::Corners)), notANumber);
    }
    for (RunField f : {RunField::Last3F, RunField::Finish}) {
      if (!parseStrict(block[runLine(r, f) - 1])) {
        return errorAt(file, fileLine(runLine(r, f)), notANumber);
      }
    }
  }
  return std::nullopt;
}

}  // namespace

std::array<std::string_view, kRuns> ReadBlock::corners() const {
  std::array<std::string_view, kRuns> lines;
  for (int r = 1; r <= kRuns; ++r) lines[r - 1] = (*this)[runLine(r, RunField::Corners) - 1];
  return lines;
}

std::optional<LoadError> readHorseBlocks(LineCursor& cursor, std::size_t firstLine, int blocks,
                                         const fs::path& file, const TakeBlock& take) {
  for (int k = 0; k < blocks; ++k) {
    const std::size_t first = firstLine + static_cast<std::size_t>(kBlockLines * k);
    const std::size_t from = cursor.offset();
    std::array<std::size_t, kBlockLines> ends;
    if (const std::size_t read = cursor.nextLineEnds(ends.data(), kBlockLines);
        read < kBlockLines) {
      return shortFile(file, first + read, blocks);
    }
    const ReadBlock block(cursor, from, ends);
    // The block's bytes in one sweep: its line ends are plain ASCII and never the second byte of
    // a character, so a bad byte is always in one of its lines.
    if (!isWellFormedCp932(block.text())) {
      for (std::size_t i = 0; i < kBlockLines; ++i) {
        if (!isWellFormedCp932(block[i])) {
          return errorAt(file, static_cast<int>(first + i) + 1, kNotShiftJis);
        }
      }
    }
    if (auto error = checkBlockNumbers(block, first, file)) return error;
    if (take) take(block);
  }
  return std::nullopt;
}

std::variant<std::vector<std::string_view>, LoadError> readHeaderLines(LineCursor& cursor,
                                                                       const fs::path& file) {
  std::vector<std::string_view> header(kHeaderLines);
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (!cursor.next(header[i])) {
      return errorAt(file, static_cast<int>(i) + 1, "ファイルが途中で終わっています。");
    }
  }
  return header;
}

LoadError unreadableFile(const fs::path& file, ReadFault fault, int systemError) {
  return LoadError{file, 0, readFaultReason(fault, systemError)};
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

// What reading one page of horses gave, before it goes into the store: the text of each block
// (kept by the store), and the names and styles to put right once the blocks are in.
struct PageRead {
  std::vector<std::string_view> blocks;
  std::vector<std::pair<std::size_t, std::string>> mendedNames;  // block on the page, line 1
  std::vector<std::pair<std::size_t, std::string>> styles;       // block on the page, line 42
  std::optional<LoadError> error;
};

// Reads `blocks` blocks from the cursor on (the file's line `firstLine` + 1 next). A name cut in
// half a character is mended; every horse carries the style of its runs, whatever the file said.
PageRead readPage(LineCursor& cursor, std::size_t firstLine, int blocks, const fs::path& file) {
  PageRead page;
  page.blocks.reserve(static_cast<std::size_t>(std::max(blocks, 0)));
  page.error = readHorseBlocks(
      cursor, firstLine, blocks, file, [&](const ReadBlock& block) {
        const std::size_t k = page.blocks.size();
        page.blocks.push_back(block.text());
        if (std::optional<std::string> mended = repairedCutName(block[0])) {
          page.mendedNames.emplace_back(k, std::move(*mended));
        }
        const std::string_view style = styleFromCorners(block.corners());
        if (style != block[kStyleLine - 1]) page.styles.emplace_back(k, std::string(style));
      });
  return page;
}

// Reads continuation page p (1..15) from `text`, which the store keeps.
PageRead readContinuation(const fs::path& dataFolder, int p, int count, std::string& text) {
  const fs::path part = dataFolder / continuationName(p);
  try {
    const ReadStatus read = readText(part, text);
    if (read.fault != ReadFault::None) {
      PageRead failed;
      failed.error = unreadableFile(part, read.fault, read.systemError);
      return failed;
    }
    LineCursor cursor(text);
    return readPage(cursor, 0, blocksOnPage(count, p), part);
  } catch (const std::bad_alloc&) {
    PageRead failed;
    failed.error = unreadableFile(part, ReadFault::OutOfMemory);
    return failed;
  }
}

// Puts a page that was read into the store, after the horses already in it.
void takePage(HorseStore& store, const PageRead& page) {
  const int first = store.count;
  for (std::string_view text : page.blocks) store.pushBlockText(text);
  store.count += static_cast<int>(page.blocks.size());
  for (const auto& [k, name] : page.mendedNames) {
    store.setLine(first + 1 + static_cast<int>(k), 1, name);
  }
  for (const auto& [k, style] : page.styles) {
    store.setLine(first + 1 + static_cast<int>(k), kStyleLine, style);
  }
}

// Reads the continuation pages 1 .. of a set of `count` horses: this thread and one more take
// the pages in turn, each into text of its own that the store keeps.
std::vector<PageRead> readContinuations(HorseStore& store, const fs::path& dataFolder, int count,
                                        const std::function<void()>& alongside) {
  const int pages = pagesHolding(count) - 1;
  std::vector<std::string*> texts;
  for (int p = 1; p <= pages; ++p) texts.push_back(&store.keepText());
  std::vector<PageRead> read(static_cast<std::size_t>(pages));
  std::atomic<int> next{1};
  const std::function<void()> work = [&] {
    for (int p = next++; p <= pages; p = next++) {
      const auto i = static_cast<std::size_t>(p - 1);
      read[i] = readContinuation(dataFolder, p, count, *texts[i]);
    }
  };
  // Without a second thread this one reads every page. The helper is waited for however this
  // thread leaves: the pages it fills live here.
  std::optional<HelperThread> helper;
  if (pages > 0) helper.emplace(work);
  alongside();
  work();
  return read;
}

std::variant<LoadedSet, LoadError> parsePageZeroFile(const fs::path& file,
                                                     const fs::path& dataFolder) {
  HorseStore store;
  std::string& text = store.keepText();
  const ReadStatus read = readText(file, text);
  if (read.fault != ReadFault::None) return unreadableFile(file, read.fault, read.systemError);
  LineCursor cursor(text);
  auto headerRead = readHeaderLines(cursor, file);
  if (auto* error = std::get_if<LoadError>(&headerRead)) return std::move(*error);
  const std::vector<std::string_view>& header = std::get<std::vector<std::string_view>>(headerRead);

  const std::optional<int> announced = parseStrict(header[kHeaderLines - 1]);
  if (!announced) return errorAt(file, kHeaderLines, "数字ではありません。");
  if (*announced > kMaxHorses) {
    return errorAt(file, kHeaderLines, "登録馬が12000頭を越えています。");
  }
  const int count = *announced;

  auto parsed = parseRaceHeader(header, file);
  if (auto* error = std::get_if<LoadError>(&parsed)) return std::move(*error);
  TRaceCard& card = std::get<TRaceCard>(parsed);
  for (int k = 1; k <= card.runnerCount; ++k) {
    if (card.runner[k] > count) {
      return errorAt(file, 6 + k, "出走馬の番号に当たる競走馬がファイルにありません。");
    }
  }
  for (std::size_t i = 0; i < header.size(); ++i) {
    if (!isWellFormedCp932(header[i])) {
      return errorAt(file, static_cast<int>(i) + 1, kNotShiftJis);
    }
  }

  // A race file that grew past one page while it was edited carries all its horses itself;
  // otherwise the horses after the first page stand in the continuation files of the data folder.
  const std::size_t wholeSet = static_cast<std::size_t>(kHeaderLines + kBlockLines * count);
  const bool selfContained = count > kHorsesPerPage && file.filename() != allHorsesFileName() &&
                             countLines(text) >= wholeSet;
  const int blocksHere = selfContained ? count : blocksOnPage(count, 0);
  store.setHeader(std::vector<std::string>(header.begin(), header.end()));
  store.reserveBlocks(count);
  // Whatever follows the last block is not data; it is not read.
  PageRead first;
  const auto readFirst = [&] { first = readPage(cursor, kHeaderLines, blocksHere, file); };
  std::vector<PageRead> continuations;
  if (selfContained) {
    readFirst();
  } else {
    continuations = readContinuations(store, dataFolder, count, readFirst);
  }
  if (first.error) return std::move(*first.error);
  takePage(store, first);
  for (PageRead& page : continuations) {
    if (page.error) return std::move(*page.error);
    takePage(store, page);
  }
  store.order.resize(static_cast<std::size_t>(count));
  std::iota(store.order.begin(), store.order.end(), 1);
  store.modified = false;

  recomputeOdds(card);
  recomputeAnyDisregard(card);
  return LoadedSet{std::move(store), std::move(card)};
}

}  // namespace

std::variant<LoadedSet, LoadError> readPageZeroFile(const fs::path& file,
                                                    const fs::path& dataFolder) {
  try {
    return parsePageZeroFile(file, dataFolder);
  } catch (const std::bad_alloc&) {
    // Sixteen pages of horses may not fit beside everything else; the program goes on as it was.
    return unreadableFile(file, ReadFault::OutOfMemory);
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
  std::vector<std::string> header;
  for (int L = 1; L <= kHeaderLines; ++L) header.emplace_back(store.headerLine(L));
  writeRaceHeader(card, header);
  header[kHeaderLines - 1] = std::to_string(store.count);
  store.setHeader(std::move(header));

  std::vector<std::vector<std::string_view>> pages;
  for (int p = 0; p < pagesHolding(store.count); ++p) {
    pages.push_back(store.pageLines(p));
  }
  if (editedFile == allHorsesFileName()) {
    std::vector<std::string> orderLines;
    orderLines.reserve(store.order.size());
    for (int n : store.order) orderLines.push_back(std::to_string(n));
    const std::vector<std::string_view> orderViews = lineViews(orderLines);

    std::vector<SetFile> files{{allHorsesFileName(), pages[0]}};
    for (std::size_t p = 1; p < pages.size(); ++p) {
      files.push_back({continuationName(static_cast<int>(p)), pages[p]});
    }
    files.push_back({orderFileName(), orderViews});
    return saveFileSet(writer, dataFolder, files);
  }
  // A race file keeps every one of its horses in the one file, even past the first page.
  std::vector<std::string_view> joined;
  for (const std::vector<std::string_view>& page : pages) {
    joined.insert(joined.end(), page.begin(), page.end());
  }
  if (!writer.writeLines(editedFile, joined)) return SetSave{false, {editedFile}};
  return SetSave{true, {}};
}

}  // namespace korvane
